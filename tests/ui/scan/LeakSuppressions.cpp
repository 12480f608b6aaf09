// LeakSanitizer's suppressions for the Scan window's tests alone. When the
// machine is busy, one 152-byte block that Qt Core allocates for itself is
// still held at exit after the scanner's module has read pages; its stack as
// reported holds Qt Core only. It is let pass here, and with it any leak of
// these tests whose stack runs through Qt Core; the other test programs still
// report every leak.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libQt6Core.so\n";
}
