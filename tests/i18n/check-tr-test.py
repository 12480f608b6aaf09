#!/usr/bin/env python3
"""The translation check on a tiny tree: it reports each text that bypasses
translation and each unfinished message, and nothing that is translated or
never shown."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECK = Path(__file__).with_name("check-tr.py")

# Every literal here is translated or is a name, a key or a path.
CLEAN = r'''
#include "ui/w/Window.h"  // an include's path is no text
TWindow::TWindow() {
  setObjectName(QStringLiteral("TWindow"));
  setWindowTitle(tr("Test Settings"));
  auto* ok = PushButton("Button1", tr("&OK"));
  auto* label = Named(new QLabel(tr("Saved %1 of %2").arg(a).arg(b)), "Label1");
  // "a comment is no text"
  /* nor is "this" */
  label->setProperty("quizwellBaseFontSize", 9);
  settings.setValue(QStringLiteral("Window Size"), size());
  icon = QIcon::fromTheme(QStringLiteral("edit-undo"));
  help.Show(QStringLiteral("home.html"));
  const QCommandLineOption preview(QStringLiteral("preview"), tr("Preview the test."));
  text = QCoreApplication::translate("TMainForm", "Quizwell Files|*.QWT");
  //: the button that starts the test
  static const char* const Names[] = {QT_TR_NOOP("Start"), QT_TRANSLATE_NOOP("TForm", "Stop")};
  box->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
  suffix = QStringLiteral("QWT");
  sign = QStringLiteral("\u00D7 %1");
  arrow = spin->findChild<QMap<int, QToolButton*>>(QStringLiteral("Up"));
}
'''

SHOWN = r'''
void TWindow::Fill() {
  setWindowTitle(QStringLiteral("Test Settings"));
  auto* label = Named(new QLabel("Begin Message"), "Label1");
  status = tr("Saved %1").arg(QStringLiteral("of all"));
  box.setText(QString("Line one\n"
                      "and two"));
  less = QList<int>(QStringLiteral("Down"));
}
'''

TS = '''<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TWindow</name>
    <message><source>Done</source><translation>Fertig</translation></message>
    <message><location filename="../src/ui/w/Window.cpp" line="4"/>
        <source>Test Settings</source><translation type="unfinished"></translation></message>
    <message><source>Gone</source><translation type="vanished">Weg</translation></message>
    <message><source>Old</source><translation type="obsolete">Alt</translation></message>
</context>
</TS>
'''


class CheckTr(unittest.TestCase):
    def Run(self, files):
        with tempfile.TemporaryDirectory() as root:
            for name, text in files.items():
                path = Path(root) / name
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_text(text, encoding="utf-8")
            (Path(root) / "tests/i18n").mkdir(parents=True, exist_ok=True)
            (Path(root) / "tests/i18n/allowed-literals.txt").write_text('"QWT"  a suffix\n')
            done = subprocess.run([sys.executable, CHECK, root, "--folders", "src/ui"],
                                  capture_output=True, text=True)
            return done.returncode, done.stdout.splitlines()

    def test_translated_texts_and_names_pass(self):
        code, lines = self.Run({"src/ui/w/Window.cpp": CLEAN, "translations/quizwell_de.ts":
                                TS.replace(' type="unfinished"', "").split("<message><source>Gone")[0] +
                                "</context></TS>"})
        self.assertEqual(lines, [])
        self.assertEqual(code, 0)

    def test_each_untranslated_text_is_reported_where_it_stands(self):
        code, lines = self.Run({"src/ui/w/Window.cpp": CLEAN, "src/ui/w/Fill.cpp": SHOWN})
        self.assertEqual(code, 1)
        self.assertEqual(lines[:-1], [
            'src/ui/w/Fill.cpp:3: "Test Settings" is shown untranslated',
            'src/ui/w/Fill.cpp:4: "Begin Message" is shown untranslated',
            'src/ui/w/Fill.cpp:5: "of all" is shown untranslated',
            'src/ui/w/Fill.cpp:6: "Line one\\nand two" is shown untranslated',
            'src/ui/w/Fill.cpp:8: "Down" is shown untranslated',
        ])

    def test_unfinished_and_left_over_messages_are_reported(self):
        code, lines = self.Run({"src/ui/w/Window.cpp": CLEAN, "translations/quizwell_de.ts": TS})
        self.assertEqual(code, 1)
        self.assertEqual(lines[:-1], [
            'translations/quizwell_de.ts: unfinished "Test Settings" (../src/ui/w/Window.cpp:4)',
            'translations/quizwell_de.ts: vanished "Gone" (?)',
            'translations/quizwell_de.ts: obsolete "Old" (?)',
        ])


if __name__ == "__main__":
    unittest.main()
