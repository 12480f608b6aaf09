<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="164"/>
        <source>Multiple-choice self-tests,</source>
        <extracomment>The banner&apos;s slogan, in two lines.</extracomment>
        <translation>اختبارات ذاتية متعددة الخيارات،</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="165"/>
        <source>written by instructors.</source>
        <translation>يُعدّها المعلّمون.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="379"/>
        <source>Self-tests, made simple.</source>
        <translation>اختبارات ذاتية، بكل بساطة.</translation>
    </message>
</context>
<context>
    <name>EngineServices</name>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="21"/>
        <location filename="../src/ui/platform/EngineServices.cpp" line="40"/>
        <source>&quot;%1&quot; could not be opened.</source>
        <translation>تعذّر فتح &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="28"/>
        <source>&quot;%1&quot; is a program. A test may not start programs, so it was not opened.</source>
        <translation>&quot;%1&quot; برنامج. لا يُسمح للاختبار بتشغيل البرامج، لذا لم يُفتح.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="35"/>
        <source>The file &quot;%1&quot; was not found.</source>
        <translation>لم يُعثر على الملف &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="23"/>
        <source>Question Files|%1</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, %1 the file patterns after it.</extracomment>
        <translation>ملفات الأسئلة|%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="24"/>
        <source>All Files|*.*</source>
        <translation>جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="30"/>
        <source>Select Questions to Import</source>
        <translation>اختيار الأسئلة المراد استيرادها</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="38"/>
        <source>The kind of questions in %1 is not known. Question files end in .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) or .csv.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>نوع الأسئلة في %1 غير معروف. تنتهي ملفات الأسئلة بـ .gift أو .txt (Aiken) أو .xml (Moodle XML) أو .zip (QTI) أو .csv.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="47"/>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 what is wrong with it.</extracomment>
        <translation>لا يمكن استيراد %1: %2</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="22"/>
        <source>Load a test first.</source>
        <translation>افتح اختبارًا أولًا.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="28"/>
        <source>qwtest, the student engine, was not found beside the maker in &quot;%1&quot;.</source>
        <translation>لم يُعثر على qwtest، محرك الطالب، بجوار أداة الإعداد في &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="43"/>
        <source>qwtest could not be started: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>تعذّر تشغيل qwtest: %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/programs/Translation.cpp" line="14"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text: &quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left (Arabic).</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="45"/>
        <source>Version %1</source>
        <translation>النسخة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="52"/>
        <source>Answer sheet %1, page %2 of %3</source>
        <translation>ورقة الإجابة %1، الصفحة %2 من %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="56"/>
        <source>Answer sheet, page %1 of %2</source>
        <translation>ورقة الإجابة، الصفحة %1 من %2</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="72"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="88"/>
        <source>Student number, on every page: write it, then fill one box per column</source>
        <translation>رقم الطالب، في كل صفحة: اكتبه، ثم ظلّل مربعًا واحدًا في كل عمود</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="91"/>
        <source>Student number: write it, then fill one box per column</source>
        <translation>رقم الطالب: اكتبه، ثم ظلّل مربعًا واحدًا في كل عمود</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="142"/>
        <source>Fill each box you choose fully with a dark pen. To undo a mark, fill its box fully and circle the box you mean.</source>
        <translation>ظلّل كل مربع تختاره تظليلًا كاملًا بقلم داكن. لإلغاء علامة، ظلّل مربعها بالكامل وضع دائرة حول المربع الذي تقصده.</translation>
    </message>
</context>
<context>
    <name>ShellOpen</name>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="36"/>
        <source>the system gave no reason</source>
        <translation>لم يذكر النظام سببًا</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="59"/>
        <source>it is a folder</source>
        <extracomment>Why a program could not be started.</extracomment>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="75"/>
        <source>No web browser could be opened for this page. To read it, copy its address into a browser:<byte value="xd"/>%1</source>
        <translation>تعذّر فتح متصفح ويب لهذه الصفحة. لقراءتها، انسخ عنوانها إلى متصفح:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="27"/>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Quizwell Client</source>
        <translation>Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>لأداء الاختبارات الذاتية المُعدّة باستخدام Quizwell Maker.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="24"/>
        <source>QUIZWELL MAKER LICENSE AGREEMENT

Please read this agreement. By installing or using Quizwell
Maker (&quot;the maker&quot;) you accept it.

1. Use. You may install the maker on the computers on which
   you and your colleagues prepare tests, and use it to
   write, change and convert tests for any number of
   students.

2. Your tests. The tests, questions, messages, logos and
   media that you make with the maker are yours. You may
   hand them out, together with the Quizwell engine and its
   configuration file, on any terms you choose.

3. The maker stays with instructors. The maker can read and
   change every test, answers included. Do not hand it out
   with the engine or place it where students can run it.

4. Copies. You may make copies of the maker for the purposes
   above and for safekeeping. Keep this agreement with every
   copy. You may not sell the maker or pass it off as your
   own work.

5. No warranty. The maker is provided &quot;as is&quot;, without
   warranty of any kind, express or implied, including the
   warranties of merchantability and fitness for a
   particular purpose. Keep copies of your tests.

6. Limitation of liability. In no event shall the makers of
   Quizwell Maker be liable for any damages arising from the
   use of, or the inability to use, the maker or the tests
   made with it, even if advised of the possibility of such
   damages.

7. End. This agreement ends when you stop using the maker
   and remove every copy of it.
</source>
        <extracomment>The license shown in the about box; keep its lines short, as the box does not wrap them.</extracomment>
        <translation>اتفاقية ترخيص QUIZWELL MAKER

يُرجى قراءة هذه الاتفاقية. بتثبيت Quizwell Maker
(«أداة الإعداد») أو استخدامها، فإنك تقبل هذه الاتفاقية.

1. الاستخدام. يجوز لك تثبيت أداة الإعداد على الحواسيب
   التي تُعدّ عليها أنت وزملاؤك الاختبارات، واستخدامها
   لكتابة الاختبارات وتعديلها وتحويلها لأي عدد من
   الطلاب.

2. اختباراتك. الاختبارات والأسئلة والرسائل والشعارات
   والوسائط التي تُعدّها بأداة الإعداد ملكٌ لك. ويجوز لك
   توزيعها، مع محرك Quizwell وملف إعداداته، بأي شروط
   تختارها.

3. أداة الإعداد تبقى مع المعلّمين. تستطيع أداة الإعداد
   قراءة كل اختبار وتعديله، بما في ذلك الإجابات. فلا
   توزّعها مع المحرك ولا تضعها حيث يستطيع الطلاب
   تشغيلها.

4. النسخ. يجوز لك عمل نسخ من أداة الإعداد للأغراض
   المذكورة أعلاه وللحفظ الاحتياطي. احتفظ بهذه الاتفاقية
   مع كل نسخة. ولا يجوز لك بيع أداة الإعداد أو نسبتها
   إلى نفسك.

5. إخلاء الضمان. تُقدَّم أداة الإعداد «كما هي»، دون أي
   ضمان من أي نوع، صريحًا كان أو ضمنيًا، بما في ذلك
   ضمانات القابلية للتسويق والملاءمة لغرض معيّن.
   احتفظ بنسخ من اختباراتك.

6. تحديد المسؤولية. لا يتحمّل صانعو Quizwell Maker
   بأي حال من الأحوال المسؤولية عن أي أضرار تنشأ عن
   استخدام أداة الإعداد أو الاختبارات المُعدّة بها، أو
   عن تعذّر استخدامها، حتى لو أُبلغوا بإمكانية حدوث
   مثل هذه الأضرار.

7. الانتهاء. تنتهي هذه الاتفاقية عندما تتوقف عن استخدام
   أداة الإعداد وتحذف كل نسخة منها.
</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="69"/>
        <location filename="../src/ui/maker/AboutForm.cpp" line="87"/>
        <source>About Quizwell Maker</source>
        <translation>حول Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="82"/>
        <source>License Agreement</source>
        <translation>اتفاقية الترخيص</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="98"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>TApplyDialog</name>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="34"/>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="35"/>
        <source>&amp;Cancel</source>
        <translation>إل&amp;غاء</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="36"/>
        <source>&amp;Apply</source>
        <translation>ت&amp;طبيق</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="55"/>
        <source>Save changes?</source>
        <translation>هل تريد حفظ التغييرات؟</translation>
    </message>
</context>
<context>
    <name>TBeginBox</name>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="26"/>
        <source>Begin Test</source>
        <translation>بدء الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="61"/>
        <source>Questions to take (1 to %1):</source>
        <translation>عدد الأسئلة المطلوب الإجابة عنها (من 1 إلى %1):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="64"/>
        <source>All (%1)</source>
        <translation>الكل (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>1 question.</source>
        <translation>سؤال واحد.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>%n questions.</source>
        <translation>
            <numerusform>%n سؤال.</numerusform>
            <numerusform>سؤال واحد.</numerusform>
            <numerusform>سؤالان.</numerusform>
            <numerusform>%n أسئلة.</numerusform>
            <numerusform>%n سؤالًا.</numerusform>
            <numerusform>%n سؤال.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="75"/>
        <source>Time limit: %1 (hours:minutes:seconds)</source>
        <translation>الحد الزمني: %1 (ساعات:دقائق:ثوانٍ)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="76"/>
        <source>Time limit: none</source>
        <translation>الحد الزمني: لا يوجد</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="79"/>
        <source>Pass mark: %1% of the questions right</source>
        <translation>درجة النجاح: الإجابة الصحيحة عن %1% من الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="80"/>
        <source>Pass mark: none</source>
        <translation>درجة النجاح: لا توجد</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="84"/>
        <source>&amp;Begin</source>
        <translation>&amp;بدء</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="85"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TCatalogueSearchForm</name>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="21"/>
        <source>Search Tests</source>
        <translation>البحث في الاختبارات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="28"/>
        <source>&amp;Find tests holding:</source>
        <translation>الاختبارات التي &amp;تحتوي على:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="31"/>
        <source>&amp;Search</source>
        <translation>&amp;بحث</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="38"/>
        <source>Tests found</source>
        <translation>الاختبارات التي عُثر عليها</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Test</source>
        <translation>الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="48"/>
        <source>&amp;Open in the Editor</source>
        <translation>&amp;فتح في المحرر</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="50"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="70"/>
        <source>description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Not found</source>
        <translation>لم يُعثر على شيء</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Found in %1 places</source>
        <translation>عدد المواضع التي عُثر عليها: %1</translation>
    </message>
</context>
<context>
    <name>TClassroomForm</name>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="37"/>
        <source>finished</source>
        <translation>انتهى</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="38"/>
        <source>joined</source>
        <translation>انضمّ</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="39"/>
        <source>question %1 of %2</source>
        <translation>السؤال %1 من %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="47"/>
        <source>left the page %1×, %2 s</source>
        <extracomment>How often and how long a student left the test&apos;s page; %1 is the count, %2 the seconds.</extracomment>
        <translation>غادر الصفحة %1×، %2 ث</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="109"/>
        <source>Classroom</source>
        <translation>الفصل</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="112"/>
        <source>Open in a browser:</source>
        <translation>افتح في متصفح:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="121"/>
        <source>QR code of the address</source>
        <translation>رمز QR للعنوان</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Student</source>
        <translation>الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Progress</source>
        <translation>التقدّم</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Score</source>
        <translation>الدرجة</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Away</source>
        <translation>خارج الصفحة</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="136"/>
        <source>Students</source>
        <translation>الطلاب</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="158"/>
        <source>&amp;Hold the review until the test ends</source>
        <translation>&amp;تأجيل المراجعة حتى انتهاء الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="160"/>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Show &amp;Scores</source>
        <translation>إظهار ال&amp;درجات</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="161"/>
        <source>&amp;End Test</source>
        <translation>إ&amp;نهاء الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="162"/>
        <source>End Sessio&amp;n</source>
        <translation>إنهاء ال&amp;جلسة</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="172"/>
        <source>the test folder&apos;s Results.sqlite, or postgresql://...</source>
        <extracomment>Keep the file name Results.sqlite and postgresql:// as they are.</extracomment>
        <translation>ملف Results.sqlite في مجلد الاختبار، أو postgresql://...</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="173"/>
        <source>Results s&amp;tore:</source>
        <translation>م&amp;خزن النتائج:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="175"/>
        <source>&amp;Use</source>
        <translation>ا&amp;ستخدام</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="208"/>
        <source>%1 has no questions to run in a classroom.</source>
        <translation>لا يحتوي %1 على أسئلة يمكن تشغيلها في الفصل.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="221"/>
        <source>%1<byte value="xd"/>This session stores into the test folder&apos;s Results.sqlite until another store is used.</source>
        <extracomment>%1 is the reason the saved store could not be opened.</extracomment>
        <translation>%1<byte value="xd"/>ستُخزَّن نتائج هذه الجلسة في ملف Results.sqlite في مجلد الاختبار إلى أن يُستخدَم مخزن آخر.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="230"/>
        <source>Classroom - %1</source>
        <translation>الفصل - %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="239"/>
        <source>Port %1 is in use by another program, so this session uses port %2.</source>
        <translation>المنفذ %1 مستخدَم من قِبل برنامج آخر، لذا تستخدم هذه الجلسة المنفذ %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="246"/>
        <source>port %1 of this computer</source>
        <translation>المنفذ %1 على هذا الحاسوب</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="247"/>
        <source>This computer has no network: connect it to the room&apos;s network, then open the classroom again.</source>
        <translation>هذا الحاسوب غير متصل بأي شبكة: صِله بشبكة الفصل، ثم افتح الفصل مرة أخرى.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="254"/>
        <source>Room code: %1</source>
        <translation>رمز الفصل: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="271"/>
        <source>The classroom cannot listen on %1: no port is free.</source>
        <translation>لا يستطيع الفصل الاستماع على %1: لا يوجد منفذ متاح.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="289"/>
        <source>Results go to %1</source>
        <translation>تُرسَل النتائج إلى %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="307"/>
        <source>Students have joined, so this session keeps its store. End the session and open the classroom again to use another.</source>
        <translation>انضمّ طلاب بالفعل، لذا تحتفظ هذه الجلسة بمخزنها. أنهِ الجلسة ثم افتح الفصل مرة أخرى لاستخدام مخزن آخر.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="351"/>
        <source>%1%</source>
        <extracomment>A percentage; the number is %1.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="365"/>
        <source>%1 joined, %2 answering, %3 finished</source>
        <translation>انضمّوا: %1، يجيبون: %2، انتهوا: %3</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="383"/>
        <source>%1 asks to continue on another device</source>
        <translation>يطلب %1 المتابعة على جهاز آخر</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="384"/>
        <source>Allow</source>
        <translation>سماح</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="385"/>
        <source>Refuse</source>
        <translation>رفض</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="403"/>
        <source>A student&apos;s request failed at %1: %2</source>
        <translation>فشل طلب أحد الطلاب في الساعة %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Hide &amp;Scores</source>
        <translation>إخفاء ال&amp;درجات</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="416"/>
        <source>1 student is still answering.</source>
        <translation>لا يزال طالب واحد يجيب.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="417"/>
        <source>%n students are still answering.</source>
        <translation>
            <numerusform>لا يزال %n طالب يجيبون.</numerusform>
            <numerusform>لا يزال طالب واحد يجيب.</numerusform>
            <numerusform>لا يزال طالبان يجيبان.</numerusform>
            <numerusform>لا يزال %n طلاب يجيبون.</numerusform>
            <numerusform>لا يزال %n طالبًا يجيبون.</numerusform>
            <numerusform>لا يزال %n طالب يجيبون.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="425"/>
        <source>%1 %2<byte value="xd"/>Their answers so far are scored and stored.</source>
        <extracomment>%1 says how many students are still answering, %2 asks whether to end their tests.</extracomment>
        <translation>%1 %2<byte value="xd"/>تُصحَّح إجاباتهم حتى الآن وتُخزَّن.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="432"/>
        <source>End the test for everyone?<byte value="xd"/>Answers so far are scored and stored, and nobody can begin any more.</source>
        <translation>هل تريد إنهاء الاختبار للجميع؟<byte value="xd"/>تُصحَّح الإجابات المقدَّمة حتى الآن وتُخزَّن، ولن يتمكّن أحد من البدء بعد ذلك.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="440"/>
        <source>End their tests and the session?</source>
        <translation>هل تريد إنهاء اختباراتهم وإنهاء الجلسة؟</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="443"/>
        <source>The session has ended. The results are in the Results window.</source>
        <translation>انتهت الجلسة. النتائج موجودة في نافذة النتائج.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="466"/>
        <source>End their tests and close the classroom?</source>
        <translation>هل تريد إنهاء اختباراتهم وإغلاق الفصل؟</translation>
    </message>
</context>
<context>
    <name>TClientForm</name>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="38"/>
        <source>Bitmap Files (BMP)|*.BMP</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, the pattern after it kept.</extracomment>
        <translation>ملفات الصور النقطية (BMP)|*.BMP</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="82"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="84"/>
        <source>Client Configuration</source>
        <translation>إعدادات العميل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="93"/>
        <source>These settings effect the entire Quizwell engine.    You must include the QWTEST.CFG file with the Quizwell engine for these settings to take effect.</source>
        <translation>تسري هذه الإعدادات على محرك Quizwell بأكمله. يجب أن تُرفق الملف QWTEST.CFG مع محرك Quizwell لكي تُطبَّق هذه الإعدادات.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="98"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="161"/>
        <source>Custom Logo</source>
        <translation>شعار مخصّص</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="99"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="209"/>
        <source>Custom About Box</source>
        <translation>مربع «حول» مخصّص</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="100"/>
        <source>Client Behavior</source>
        <translation>سلوك العميل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="101"/>
        <source>Results</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="143"/>
        <source>&amp;Browse</source>
        <translation>&amp;استعراض</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="164"/>
        <source>You can customize the appearance of the tests you distribute by adding your own logo to the interface. </source>
        <translation>يمكنك تخصيص مظهر الاختبارات التي توزّعها بإضافة شعارك الخاص إلى الواجهة. </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="173"/>
        <source>Place the bitmap (.bmp extension) file into the same directory that will contain the Quizwell files. The bitmap can be 139 pixels high x 471 pixels wide.</source>
        <translation>ضع ملف الصورة النقطية (بالامتداد .bmp) في المجلد نفسه الذي سيحتوي على ملفات Quizwell. يمكن أن يبلغ ارتفاع الصورة 139 بكسل وعرضها 471 بكسل.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="176"/>
        <source>To ensure compatibility with the video capabilities of the computer it will be viewed on, the graphic should be composed in 16 or 256 colors using the standard Windows palette. </source>
        <translation>لضمان التوافق مع إمكانات العرض في الحاسوب الذي ستُعرض عليه، ينبغي أن تُصمَّم الصورة بـ 16 أو 256 لونًا باستخدام لوحة ألوان Windows القياسية. </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="179"/>
        <source>You should experiment with a variety of color settings to see what works best.</source>
        <translation>يُستحسن أن تجرّب إعدادات ألوان متنوعة لترى أيّها يعطي أفضل نتيجة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="187"/>
        <source>Use custom About Box</source>
        <translation>استخدام مربع «حول» مخصّص</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="188"/>
        <source>Do not use custom About Box</source>
        <translation>عدم استخدام مربع «حول» مخصّص</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="189"/>
        <source>About...</source>
        <translation>حول...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="191"/>
        <source>Custom message for about box (shown actual size)</source>
        <translation>رسالة مخصّصة لمربع «حول» (معروضة بحجمها الفعلي)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="199"/>
        <source>Web page URL</source>
        <translation>عنوان الويب</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="212"/>
        <source>You can have your own &quot;About&quot; box from the &quot;Help&quot; menu.  You can have your own custom message in this about box.  The logo displayed will be the same as specified on the &quot;Custom Logo&quot; tab.</source>
        <translation>يمكنك أن تجعل لاختباراتك مربع «حول» خاصًا بك في قائمة «مساعدة»، وأن تضع فيه رسالتك المخصّصة. ويكون الشعار المعروض فيه هو نفسه المحدّد في تبويب «شعار مخصّص».</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="227"/>
        <source>Enable Full Screen mode.</source>
        <translation>تمكين وضع ملء الشاشة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="228"/>
        <source>Require test history password</source>
        <translation>طلب كلمة مرور لسجلّ الاختبارات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="229"/>
        <source>Require exit password</source>
        <translation>طلب كلمة مرور للخروج</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="230"/>
        <source>History Password</source>
        <translation>كلمة مرور السجلّ</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="231"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="268"/>
        <source>Exit Password</source>
        <translation>كلمة مرور الخروج</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="256"/>
        <source>Full Screen Mode</source>
        <translation>وضع ملء الشاشة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="257"/>
        <source>Full screen mode forces Quizwell to occupy the student&apos;s entire screen and only allows the student to use Quizwell and no other programs.</source>
        <translation>يجعل وضع ملء الشاشة Quizwell يشغل شاشة الطالب بالكامل، فلا يستطيع الطالب استخدام أي برنامج آخر غير Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="262"/>
        <source>Test history Lock</source>
        <translation>قفل سجلّ الاختبارات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="263"/>
        <source>You can allow the student to view their test history or lock test history so a password is required.</source>
        <translation>يمكنك السماح للطالب بعرض سجلّ اختباراته، أو قفل السجلّ بحيث تلزم كلمة مرور لعرضه.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="269"/>
        <source>You can require a password to exit Quizwell.</source>
        <translation>يمكنك طلب كلمة مرور للخروج من Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="277"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="351"/>
        <source>Results Folder</source>
        <translation>مجلد النتائج</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="280"/>
        <source>Every finished test is kept in the results beside the test. Where the student&apos;s computer cannot write there (a computer lab), the result is left as a small file in this folder instead, and File, Results... collects it from there.</source>
        <translation>تُحفظ نتيجة كل اختبار منتهٍ ضمن النتائج بجوار الاختبار. وحيث لا يستطيع حاسوب الطالب الكتابة هناك (في مختبر حاسوب مثلًا)، تُترك النتيجة ملفًا صغيرًا في هذا المجلد بدلًا من ذلك، ويجمعها الأمر «ملف، النتائج...» من هناك.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="284"/>
        <source>B&amp;rowse...</source>
        <translation>است&amp;عراض...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="291"/>
        <source>Use a shared folder every student computer can write to. Make it a drop folder (mode 1733) so students cannot read each other&apos;s results; Help, Results tells how. A result that can be kept in neither place waits on the student&apos;s computer until the next start.</source>
        <translation>استخدم مجلدًا مشتركًا يستطيع كل حاسوب طالب الكتابة فيه. واجعله مجلد إيداع (الوضع 1733) حتى لا يستطيع الطلاب قراءة نتائج بعضهم بعضًا؛ ويشرح موضوع «مساعدة، النتائج» كيفية ذلك. وتبقى النتيجة التي يتعذّر حفظها في أيٍّ من المكانين على حاسوب الطالب حتى التشغيل التالي.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="372"/>
        <source>The engine looks for the logo in its own folder, %1, and will not find %2 where it is.<byte value="xd"/>Copy it into that folder?</source>
        <extracomment>%1 is the engine&apos;s folder, %2 the picture&apos;s file name.</extracomment>
        <translation>يبحث المحرك عن الشعار في مجلده، %1، ولن يجد %2 في موضعه الحالي.<byte value="xd"/>هل تريد نسخه إلى ذلك المجلد؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="380"/>
        <source>A file named %1 is in %2 already.<byte value="xd"/>Replace it with the picture picked?</source>
        <translation>يوجد ملف باسم %1 في %2 بالفعل.<byte value="xd"/>هل تريد استبداله بالصورة المختارة؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="426"/>
        <source>The file &quot;%1&quot; could not be read as a picture; the built-in logo is shown.</source>
        <translation>تعذّرت قراءة الملف &quot;%1&quot; كصورة؛ يُعرض الشعار المدمج.</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="69"/>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;عدم الحفظ</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="88"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="100"/>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="92"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="104"/>
        <source>&amp;Open</source>
        <translation>&amp;فتح</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="174"/>
        <source>These characters cannot be stored in a test file: %1.<byte value="xd"/>Store them as &quot;?&quot; and go on?</source>
        <translation>لا يمكن تخزين هذه المحارف في ملف اختبار: %1.<byte value="xd"/>هل تريد تخزينها بالشكل &quot;?&quot; والمتابعة؟</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="188"/>
        <source>%1 is the file %2 is made from: it cannot also be the output.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>%1 هو الملف الذي يُنشأ منه %2: لا يمكن أن يكون هو الناتج أيضًا.<byte value="xd"/>اختر اسمًا آخر. لم يُكتب أي شيء.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="192"/>
        <source>%1 cannot be written: %2.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>تتعذّر الكتابة في %1: %2.<byte value="xd"/>اختر اسمًا آخر. لم يُكتب أي شيء.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="205"/>
        <source>An unexpected error ended the action.</source>
        <translation>أوقف خطأ غير متوقع هذا الإجراء.</translation>
    </message>
</context>
<context>
    <name>TDuplicatesForm</name>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="24"/>
        <source>Duplicate Questions</source>
        <translation>الأسئلة المكررة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="30"/>
        <source>Questions typed twice</source>
        <translation>أسئلة مكتوبة مرتين</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="32"/>
        <source>Each group lists its questions by test and number; activate one to edit it</source>
        <translation>تسرد كل مجموعة أسئلتها حسب الاختبار والرقم؛ فعّل أحدها لتحريره</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Test</source>
        <translation>الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="49"/>
        <source>No question is typed twice in these tests.</source>
        <translation>لا يوجد في هذه الاختبارات سؤال مكتوب مرتين.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="50"/>
        <source>&amp;Questions typed twice (double-click one to edit it there):</source>
        <translation>&amp;أسئلة مكتوبة مرتين (انقر نقرًا مزدوجًا على أحدها لتحريره هناك):</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="59"/>
        <source> (answers %1)</source>
        <translation> (الإجابات %1)</translation>
    </message>
</context>
<context>
    <name>TEndForm</name>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="13"/>
        <source>Score: %1 of %2 right (%3%)</source>
        <translation>الدرجة: %1 صحيحة من أصل %2 (%3%)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="18"/>
        <source>Test Finished</source>
        <translation>انتهى الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="28"/>
        <source>Time ran out.</source>
        <translation>انتهى الوقت.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Passed</source>
        <translation>ناجح</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Failed</source>
        <translation>راسب</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="42"/>
        <source>Pass point: %1%</source>
        <translation>درجة النجاح: %1%</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="45"/>
        <source>Time taken: %1</source>
        <extracomment>%1 is hours:minutes:seconds.</extracomment>
        <translation>الوقت المستغرق: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="48"/>
        <source>&amp;Review Answers</source>
        <translation>&amp;مراجعة الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="49"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>TEngineForm</name>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="44"/>
        <source>Quizwell Client</source>
        <translation>Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="47"/>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="54"/>
        <source>&amp;Open Test...</source>
        <translation>&amp;فتح اختبار...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="55"/>
        <source>&amp;Refresh List</source>
        <translation>&amp;تحديث القائمة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="56"/>
        <source>Test &amp;History...</source>
        <translation>&amp;سجلّ الاختبارات...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="58"/>
        <location filename="../src/ui/engine/EngineForm.cpp" line="77"/>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="59"/>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="60"/>
        <source>&amp;Contents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="63"/>
        <source>&amp;About...</source>
        <translation>&amp;حول...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="70"/>
        <source>Choose a test and press Start:</source>
        <translation>اختر اختبارًا واضغط «بدء»:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="72"/>
        <source>Tests</source>
        <translation>الاختبارات</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="75"/>
        <source>&amp;Start</source>
        <translation>&amp;بدء</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="76"/>
        <source>His&amp;tory</source>
        <translation>&amp;السجلّ</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="138"/>
        <source>The test file &quot;%1&quot; no longer exists.</source>
        <translation>ملف الاختبار &quot;%1&quot; لم يعد موجودًا.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="145"/>
        <source>Open Test</source>
        <translation>فتح اختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="147"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>ملفات Quizwell|*.QWT|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="161"/>
        <source>You have extra time for this test: %1 instead of %2.</source>
        <translation>لديك وقت إضافي لهذا الاختبار: %1 بدلًا من %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="183"/>
        <source>&quot;%1&quot; holds no questions.</source>
        <translation>لا يحتوي &quot;%1&quot; على أي أسئلة.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="201"/>
        <source>%1 (preview)</source>
        <translation>%1 (معاينة)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="211"/>
        <source>Your history file was damaged. It is kept as &quot;%1&quot;, and a new history was started with this test.</source>
        <translation>تلف ملف سجلّك. حُفظ باسم &quot;%1&quot;، وبدأ سجلّ جديد بهذا الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="215"/>
        <source>Your test was scored, but it could not be added to your history.<byte value="xd"/>%1</source>
        <translation>صُحّح اختبارك، ولكن تعذّرت إضافته إلى سجلّك.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="254"/>
        <source>Your test was scored, but the result could not be saved for your teacher.<byte value="xd"/>%1</source>
        <translation>صُحّح اختبارك، ولكن تعذّر حفظ النتيجة لمعلّمك.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Student Name</source>
        <translation>اسم الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Your name, for your test history (you may leave it empty):</source>
        <translation>اسمك، لسجلّ اختباراتك (يمكنك تركه فارغًا):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Student Number</source>
        <translation>رقم الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Your student number, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>رقمك بصفتك طالبًا، لنتائج معلّمك (يمكنك تركه فارغًا):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Class</source>
        <extracomment>The student&apos;s class (group) at school.</extracomment>
        <translation>الصف</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Your class, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>صفّك، لنتائج معلّمك (يمكنك تركه فارغًا):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="293"/>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="296"/>
        <source>Wrong password.</source>
        <translation>كلمة المرور غير صحيحة.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="301"/>
        <source>Test History</source>
        <translation>سجلّ الاختبارات</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="324"/>
        <source>Exit</source>
        <extracomment>Title of the password question asked before the program closes.</extracomment>
        <translation>الخروج</translation>
    </message>
</context>
<context>
    <name>TExtraTimeForm</name>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="21"/>
        <source>line %1: no &apos;=&apos; between the name and the factor</source>
        <extracomment>%1 is a line&apos;s number in the list.</extracomment>
        <translation>السطر %1: لا توجد علامة &apos;=&apos; بين الاسم والمعامل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="23"/>
        <source>line %1: no name</source>
        <translation>السطر %1: لا يوجد اسم</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="28"/>
        <source>line %1: the factor is not a number from 1 to %2</source>
        <extracomment>%1 is a line&apos;s number in the list; %2 the largest factor.</extracomment>
        <translation>السطر %1: المعامل ليس عددًا من 1 إلى %2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="39"/>
        <source>Extra Time per Student</source>
        <translation>وقت إضافي لكل طالب</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="42"/>
        <source>&amp;Students given extra time, one a line as NAME=FACTOR, for example &quot;Ann Lee=1.25&quot; for a quarter more time (factors from 1 to 4). The name is matched as the student types it, letter case aside. The list is kept beside the test, in %1.</source>
        <translation>&amp;الطلاب الممنوحون وقتًا إضافيًا، طالب في كل سطر بالصيغة الاسم=المعامل، مثل &quot;سارة علي=1.25&quot; لمنح ربع وقت إضافي (المعاملات من 1 إلى 4). يُطابَق الاسم كما يكتبه الطالب، بصرف النظر عن حالة الأحرف. تُحفظ القائمة بجوار الاختبار، في %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="51"/>
        <source>Students given extra time</source>
        <translation>الطلاب الممنوحون وقتًا إضافيًا</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="52"/>
        <source>One student a line: the name, an equals sign and the factor</source>
        <translation>طالب واحد في كل سطر: الاسم، ثم علامة التساوي، ثم المعامل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="78"/>
        <source>These lines do not read, so the list was not saved:<byte value="xd"/>%1</source>
        <translation>تتعذّر قراءة هذه الأسطر، لذا لم تُحفظ القائمة:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="28"/>
        <source>There is nothing to replace.</source>
        <translation>لا يوجد ما يُستبدل.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="47"/>
        <source>Hot link parameters</source>
        <translation>معلمات الرابط السريع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="52"/>
        <source>Answer %1</source>
        <extracomment>A field of a question in the list of hits; %1 is its letter.</extracomment>
        <translation>الإجابة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="60"/>
        <source>Question %1, %2:  %3</source>
        <translation>السؤال %1، %2:  %3</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="75"/>
        <source>Fin&amp;d:</source>
        <translation>ال&amp;بحث عن:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="77"/>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="79"/>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="80"/>
        <source>Next hit (Enter)</source>
        <translation>النتيجة التالية (Enter)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="84"/>
        <source>Close the find bar (Esc)</source>
        <translation>إغلاق شريط البحث (Esc)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="85"/>
        <source>Close the find bar</source>
        <translation>إغلاق شريط البحث</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="95"/>
        <source>Re&amp;place:</source>
        <translation>استب&amp;دال بـ:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="97"/>
        <source>Replace with</source>
        <translation>الاستبدال بـ</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="99"/>
        <source>&amp;Replace</source>
        <translation>&amp;استبدال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="100"/>
        <source>Replace &amp;All</source>
        <translation>استبدال ال&amp;جميع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="111"/>
        <source>Match &amp;case</source>
        <translation>مطابقة حالة الأ&amp;حرف</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="112"/>
        <source>&amp;Whole words</source>
        <translation>&amp;كلمات كاملة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="113"/>
        <source>Regular e&amp;xpression</source>
        <translation>تعبي&amp;ر نمطي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="121"/>
        <source>Look in:</source>
        <translation>البحث في:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="41"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="123"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="305"/>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="124"/>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="43"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="125"/>
        <source>Reference</source>
        <translation>المرجع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="45"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="126"/>
        <source>Hot link</source>
        <translation>الرابط السريع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="49"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="127"/>
        <source>Media file</source>
        <translation>ملف الوسائط</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="138"/>
        <source>Hits</source>
        <translation>نتائج البحث</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="221"/>
        <source>Not a regular expression: %1</source>
        <extracomment>%1 is the fault the regular expression library found.</extracomment>
        <translation>ليس تعبيرًا نمطيًا صالحًا: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="225"/>
        <source>Not found</source>
        <translation>لم يُعثر على شيء</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>1 hit</source>
        <translation>نتيجة واحدة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>%1 hits</source>
        <translation>عدد النتائج: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="265"/>
        <source>Replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="290"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="298"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="318"/>
        <source>Replace All</source>
        <translation>استبدال الجميع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="302"/>
        <source>1 field will change:</source>
        <translation>سيتغيّر حقل واحد:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="303"/>
        <source>%1 fields will change:</source>
        <translation>ستتغيّر الحقول التالية (%1):</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="306"/>
        <source>Field</source>
        <translation>الحقل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="307"/>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="308"/>
        <source>After replacing</source>
        <translation>بعد الاستبدال</translation>
    </message>
</context>
<context>
    <name>TGradeForm</name>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="80"/>
        <source>1 version</source>
        <translation>نسخة واحدة</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="81"/>
        <source>%n versions</source>
        <translation>
            <numerusform>%n نسخة</numerusform>
            <numerusform>نسخة واحدة</numerusform>
            <numerusform>نسختان</numerusform>
            <numerusform>%n نسخ</numerusform>
            <numerusform>%n نسخةً</numerusform>
            <numerusform>%n نسخة</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="94"/>
        <source>the earlier print (seed %1, %2, %3, questions drawn from the blueprint)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>الطباعة السابقة (البذرة %1، %2، %3، سُحبت الأسئلة وفق المخطط)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="99"/>
        <source>the earlier print (seed %1, %2, %3)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>الطباعة السابقة (البذرة %1، %2، %3)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="106"/>
        <source>run %1 (printed %2, seed %3, %4, %5, questions drawn from the blueprint)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>الدفعة %1 (طُبعت في %2، البذرة %3، %4، %5، سُحبت الأسئلة وفق المخطط)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="111"/>
        <source>run %1 (printed %2, seed %3, %4, %5)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>الدفعة %1 (طُبعت في %2، البذرة %3، %4، %5)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="119"/>
        <source>1 attempt was recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>سُجّلت محاولة واحدة في %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="122"/>
        <source>%n attempts were recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>سُجّلت %n محاولة في %1.</numerusform>
            <numerusform>سُجّلت محاولة واحدة في %1.</numerusform>
            <numerusform>سُجّلت محاولتان في %1.</numerusform>
            <numerusform>سُجّلت %n محاولات في %1.</numerusform>
            <numerusform>سُجّلت %n محاولةً في %1.</numerusform>
            <numerusform>سُجّلت %n محاولة في %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="126"/>
        <source>1 attempt was recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>سُجّلت محاولة واحدة في %1؛ وكانت محاولة أخرى موجودة فيه من قبل.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="130"/>
        <source>1 attempt was recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>سُجّلت محاولة واحدة في %1؛ وعدد المحاولات التي كانت موجودة فيه من قبل: %2.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="134"/>
        <source>%n attempts were recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>سُجّلت %n محاولة في %1؛ وكانت محاولة أخرى موجودة فيه من قبل.</numerusform>
            <numerusform>سُجّلت محاولة واحدة في %1؛ وكانت محاولة أخرى موجودة فيه من قبل.</numerusform>
            <numerusform>سُجّلت محاولتان في %1؛ وكانت محاولة أخرى موجودة فيه من قبل.</numerusform>
            <numerusform>سُجّلت %n محاولات في %1؛ وكانت محاولة أخرى موجودة فيه من قبل.</numerusform>
            <numerusform>سُجّلت %n محاولةً في %1؛ وكانت محاولة أخرى موجودة فيه من قبل.</numerusform>
            <numerusform>سُجّلت %n محاولة في %1؛ وكانت محاولة أخرى موجودة فيه من قبل.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="138"/>
        <source>%n attempts were recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>
            <numerusform>سُجّلت %n محاولة في %1؛ وعدد المحاولات التي كانت موجودة فيه من قبل: %2.</numerusform>
            <numerusform>سُجّلت محاولة واحدة في %1؛ وعدد المحاولات التي كانت موجودة فيه من قبل: %2.</numerusform>
            <numerusform>سُجّلت محاولتان في %1؛ وعدد المحاولات التي كانت موجودة فيه من قبل: %2.</numerusform>
            <numerusform>سُجّلت %n محاولات في %1؛ وعدد المحاولات التي كانت موجودة فيه من قبل: %2.</numerusform>
            <numerusform>سُجّلت %n محاولةً في %1؛ وعدد المحاولات التي كانت موجودة فيه من قبل: %2.</numerusform>
            <numerusform>سُجّلت %n محاولة في %1؛ وعدد المحاولات التي كانت موجودة فيه من قبل: %2.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="147"/>
        <source>row %1, %2: not graded, questions in doubt (%3); decide them and grade the sheet again</source>
        <extracomment>%1 is the row of the answers file, %2 the sheet&apos;s name, %3 its questions in doubt (&quot;12 17&quot;).</extracomment>
        <translation>الصف %1، %2: لم تُصحَّح لوجود أسئلة مشكوك فيها (%3)؛ احسمها ثم صحّح الورقة مرة أخرى</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="155"/>
        <source>the seed and options given (seed %1)</source>
        <translation>البذرة والخيارات المحدّدة (البذرة %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="159"/>
        <source>The sheets fit %1 far better than %2: %3 of %4 answers (%5%) are right there, against %6 (%7%) here. Grade them with the run they were printed in.</source>
        <extracomment>%1 and %2 name runs; of %4 answers, %3 (%5 percent) are right under the first, %6 (%7 percent) under the second.</extracomment>
        <translation>تتطابق الأوراق مع %1 أفضل بكثير من %2: فالإجابات الصحيحة هناك %3 من %4 (%5%)، مقابل %6 (%7%) هنا. صحّحها بالدفعة التي طُبعت فيها.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="171"/>
        <source>version %1</source>
        <translation>النسخة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="172"/>
        <source>the test&apos;s own order, nothing shuffled</source>
        <translation>ترتيب الاختبار الأصلي، دون أي خلط</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="175"/>
        <source>%1 of %2 sheets score far better under another key than under the key of their own version: %3 scores %4% as version %5 and %6% under the key of %7. Check the version letters typed.</source>
        <extracomment>%1 of %2 sheets; %3 is a sheet&apos;s name, %4 its percent as its version %5, %6 its percent under the key of %7 (another version, or the test&apos;s own order).</extracomment>
        <translation>تحصل %1 من %2 من الأوراق على درجات أعلى بكثير بمفتاح آخر منها بمفتاح نسختها: فدرجة %3 هي %4% بوصفها النسخة %5، و%6% بمفتاح %7. تحقّق من أحرف النسخ المُدخلة.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="188"/>
        <source>The test was changed after %1 was printed: the sheets are graded with its questions and keys as they are now.</source>
        <extracomment>%1 names the run.</extracomment>
        <translation>تغيّر الاختبار بعد طباعة %1: تُصحَّح الأوراق بأسئلته ومفاتيحه كما هي الآن.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="47"/>
        <source>Grade Answers</source>
        <translation>تصحيح الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Run</source>
        <translation>الدفعة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Printed</source>
        <translation>تاريخ الطباعة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Seed</source>
        <translation>البذرة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Versions</source>
        <translation>النسخ</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Shuffled</source>
        <translation>الخلط</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="52"/>
        <source>Print runs</source>
        <translation>دفعات الطباعة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="56"/>
        <source>Print r&amp;uns:</source>
        <translation>&amp;دفعات الطباعة:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="59"/>
        <source>&amp;Number of versions:</source>
        <translation>&amp;عدد النسخ:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="63"/>
        <source>&amp;Seed:</source>
        <translation>ال&amp;بذرة:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="65"/>
        <source>Questions shuffled</source>
        <translation>خُلطت الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="67"/>
        <source>Answers shuffled</source>
        <translation>خُلطت الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="76"/>
        <source>No answers file chosen.</source>
        <translation>لم يُختر ملف إجابات.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="77"/>
        <source>Answers:</source>
        <translation>الإجابات:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Version</source>
        <translation>النسخة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Right</source>
        <translation>الصحيحة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Asked</source>
        <translation>المطروحة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Percent</source>
        <translation>النسبة المئوية</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Passed</source>
        <translation>ناجح</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="82"/>
        <source>Results by student</source>
        <translation>النتائج حسب الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Students</source>
        <translation>الطلاب</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="85"/>
        <source>Results by question</source>
        <translation>النتائج حسب السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="89"/>
        <source>&amp;Open Answers...</source>
        <translation>&amp;فتح الإجابات...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="90"/>
        <source>&amp;Grade Again</source>
        <translation>إعادة ال&amp;تصحيح</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="91"/>
        <source>Sa&amp;ve as CSV...</source>
        <translation>&amp;حفظ بصيغة CSV...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="92"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="93"/>
        <source>&amp;Record in Results</source>
        <translation>تس&amp;جيل في النتائج</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="126"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>تتعذّر قراءة الدفعات المسجّلة: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="134"/>
        <source>earlier</source>
        <translation>سابقة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="146"/>
        <source>Choose the run the sheets were printed in. Give the seed, versions and shuffles only for a print that is not listed.</source>
        <translation>اختر الدفعة التي طُبعت فيها الأوراق. لا تحدّد البذرة والنسخ والخلط إلا لطباعة غير مدرجة في القائمة.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="150"/>
        <source>No print of this test is on record: give the seed, the number of versions and the shuffles it was printed with.</source>
        <translation>لا توجد أي طباعة مسجّلة لهذا الاختبار: حدّد البذرة وعدد النسخ وخيارات الخلط التي طُبع بها.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <source>Select Answers to Grade</source>
        <translation>اختيار الإجابات المراد تصحيحها</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>CSV Files|*.csv|All Files|*.*</source>
        <translation>ملفات CSV|*.csv|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="216"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>يجب أن تكون البذرة عددًا صحيحًا لا يزيد على 18 رقمًا.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="226"/>
        <source>%1: %2</source>
        <extracomment>%1 is the answers file, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="242"/>
        <source>The sheets fit %1 far better than the run they were graded with. Record these scores all the same?</source>
        <translation>تتطابق الأوراق مع %1 أفضل بكثير من الدفعة التي صُحّحت بها. هل تريد تسجيل هذه الدرجات رغم ذلك؟</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>Save Results as CSV</source>
        <translation>حفظ النتائج بصيغة CSV</translation>
    </message>
</context>
<context>
    <name>THelpTopicWindow</name>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="29"/>
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="30"/>
        <source>Making and running a test</source>
        <translation>إعداد اختبار وتشغيله</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="31"/>
        <source>The main window</source>
        <translation>النافذة الرئيسية</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="32"/>
        <source>Questions and answers</source>
        <translation>الأسئلة والإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="33"/>
        <source>Hot links, media files and Jump To</source>
        <translation>الروابط السريعة وملفات الوسائط و«الانتقال إلى»</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="35"/>
        <source>Global test settings</source>
        <translation>إعدادات الاختبار العامة</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="36"/>
        <source>Results</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="37"/>
        <source>Classroom</source>
        <translation>الفصل</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="38"/>
        <source>Client configuration</source>
        <translation>إعدادات العميل</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="39"/>
        <source>Taking a test with Quizwell Client</source>
        <translation>أداء اختبار باستخدام Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="41"/>
        <source>Help for students</source>
        <translation>مساعدة للطلاب</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="42"/>
        <source>Paper tests: printing and grading</source>
        <translation>الاختبارات الورقية: الطباعة والتصحيح</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="44"/>
        <source>Scanning answer sheets</source>
        <translation>المسح الضوئي لأوراق الإجابة</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="45"/>
        <source>Importing and exporting questions</source>
        <translation>استيراد الأسئلة وتصديرها</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="46"/>
        <source>Files the maker writes</source>
        <translation>الملفات التي تكتبها أداة الإعداد</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="47"/>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="48"/>
        <source>About Quizwell Maker</source>
        <translation>حول Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="61"/>
        <source>Quizwell Client Help</source>
        <translation>مساعدة Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="62"/>
        <source>Quizwell Maker Help</source>
        <translation>مساعدة Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="66"/>
        <source>&amp;Contents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="68"/>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="71"/>
        <source>&amp;Forward</source>
        <translation>&amp;تقدّم</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="18"/>
        <source>Test History</source>
        <translation>سجلّ الاختبارات</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Student</source>
        <translation>الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Test</source>
        <translation>الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Questions</source>
        <translation>الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Right</source>
        <translation>الصحيحة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Percent</source>
        <translation>النسبة المئوية</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Time taken</source>
        <translation>الوقت المستغرق</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="33"/>
        <source>%1%</source>
        <extracomment>A percentage; the number is %1.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="44"/>
        <source>&amp;Export CSV...</source>
        <translation>&amp;تصدير CSV...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="45"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="59"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>ملفات CSV|*.CSV|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="61"/>
        <source>Export History</source>
        <translation>تصدير السجلّ</translation>
    </message>
</context>
<context>
    <name>TLossReportForm</name>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="16"/>
        <source>What was not carried over</source>
        <translation>ما لم يُنقل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="31"/>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
</context>
<context>
    <name>TMMediaForm</name>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="24"/>
        <source>Media file should contain a valid extension of... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>or a FACTVAULT query.<byte value="xd"/><byte value="xd"/>If not, then an attempt to launch the file will be made.</source>
        <translation>يجب أن يحمل ملف الوسائط أحد الامتدادات الصالحة التالية... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>أو أن يكون استعلام FACTVAULT.<byte value="xd"/><byte value="xd"/>وإن لم يكن كذلك، فستجري محاولة لفتح الملف.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="49"/>
        <source>Media File Parameters</source>
        <translation>معلمات ملف الوسائط</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="51"/>
        <source>Media file to display</source>
        <translation>ملف الوسائط المراد عرضه</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="60"/>
        <source>&amp;Browse</source>
        <translation>&amp;استعراض</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="62"/>
        <source>Use internal viewer (AVI, BMP, TXT, RTF, WAV files only)</source>
        <translation>استخدام العارض الداخلي (لملفات AVI وBMP وTXT وRTF وWAV فقط)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="66"/>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="67"/>
        <source>&amp;Apply</source>
        <translation>ت&amp;طبيق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="68"/>
        <source>&amp;Cancel</source>
        <translation>إل&amp;غاء</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="81"/>
        <source>Supported media file types are; AVI - Windows Video, BMP - Bitmap, RTF - Rich Text, TXT - Plain Text, and WAV - Audio.</source>
        <translation>أنواع ملفات الوسائط المدعومة هي: AVI - فيديو Windows، وBMP - صورة نقطية، وRTF - نص منسّق، وTXT - نص عادي، وWAV - صوت.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="83"/>
        <source>You can also perform a FactVault(tm) query.  To do so enter: FACTVAULT:Query String.  See help for more information.</source>
        <translation>يمكنك أيضًا إجراء استعلام FactVault(tm). وللقيام بذلك أدخل: FACTVAULT:نص الاستعلام. راجع المساعدة لمزيد من المعلومات.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="85"/>
        <source>Simply entering a file name will make Quizwell look in the same folder that it is running in.  You can also provide a relative path using \.  </source>
        <translation>بمجرد إدخال اسم ملف، يبحث Quizwell في المجلد نفسه الذي يعمل منه. ويمكنك أيضًا تحديد مسار نسبي باستخدام \.  </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="87"/>
        <source>For example, &quot;\MEDIA\SOUND.WAV&quot; would look in the media folder under the folder that Quizwell is running from for the file sound.wav</source>
        <translation>مثلًا، يبحث &quot;\MEDIA\SOUND.WAV&quot; عن الملف sound.wav في المجلد media الموجود داخل المجلد الذي يعمل منه Quizwell</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="34"/>
        <source>Test is not loaded.  Create a new test or load an existing one.</source>
        <translation>لم يُفتح أي اختبار. أنشئ اختبارًا جديدًا أو افتح اختبارًا موجودًا.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="38"/>
        <source>Test is not loaded. Create a new test or load an existing one.</source>
        <translation>لم يُفتح أي اختبار. أنشئ اختبارًا جديدًا أو افتح اختبارًا موجودًا.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="42"/>
        <source>Please make your selection now.</source>
        <translation>يُرجى الاختيار الآن.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="392"/>
        <source>A test file with that name exists!<byte value="xd"/>Overwrite existing test file?</source>
        <translation>يوجد ملف اختبار بهذا الاسم!<byte value="xd"/>هل تريد الكتابة فوق ملف الاختبار الموجود؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="398"/>
        <source>The test file %1 could not be replaced: %2.<byte value="xd"/>Nothing was changed.</source>
        <extracomment>%1 is the test&apos;s file, %2 why it could not be replaced.</extracomment>
        <translation>تعذّر استبدال ملف الاختبار %1: %2.<byte value="xd"/>لم يتغيّر أي شيء.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Specify the filename for the new test</source>
        <translation>حدّد اسم ملف الاختبار الجديد</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Quizwell Files|*.QWT</source>
        <translation>ملفات Quizwell|*.QWT</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="67"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <translation>ملفات Quizwell|*.QWT|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Select Text File to Encrypt</source>
        <translation>اختيار ملف نصي لتشفيره</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Unencrypted Test files|*.TXT|All Files|*.*</source>
        <translation>ملفات الاختبار غير المشفّرة|*.TXT|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Select Test Name to Save to</source>
        <translation>اختيار اسم الاختبار المراد الحفظ فيه</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Test Files|*.QWT|All Files|*.*</source>
        <translation>ملفات الاختبار|*.QWT|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Select Test to Decrypt</source>
        <translation>اختيار اختبار لفك تشفيره</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Encrypted Test Files|*.QWT|All Files|*.*</source>
        <translation>ملفات الاختبار المشفّرة|*.QWT|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Select Text File to Save to</source>
        <translation>اختيار ملف نصي للحفظ فيه</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Text Files|*.TXT|All Files|*.*</source>
        <translation>ملفات نصية|*.TXT|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="76"/>
        <source>Application Files|*.EXE|All Files|*.*</source>
        <translation>ملفات التطبيقات|*.EXE|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="79"/>
        <source>Export Questions to</source>
        <translation>تصدير الأسئلة إلى</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="84"/>
        <source>Quizwell Maker</source>
        <translation>Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="122"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="215"/>
        <source>&amp;New Test</source>
        <translation>اختبار &amp;جديد</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="123"/>
        <source>&amp;Load Test</source>
        <translation>&amp;فتح اختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="124"/>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="130"/>
        <source>Tests found in current folder</source>
        <translation>الاختبارات الموجودة في المجلد الحالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="160"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="241"/>
        <source>&amp;Global Test Settings</source>
        <translation>إعدادات الاختبار ال&amp;عامة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="161"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="243"/>
        <source>&amp;Questions and Answers</source>
        <translation>الأسئلة وال&amp;إجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="162"/>
        <source>&amp;Client Configuration</source>
        <translation>إعدادات العم&amp;يل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="189"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="227"/>
        <source>&amp;Results...</source>
        <translation>ال&amp;نتائج...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="214"/>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="216"/>
        <source>&amp;Load a test</source>
        <translation>&amp;فتح اختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="218"/>
        <source>Encrypt Text File to Test</source>
        <translation>تشفير ملف نصي إلى اختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="220"/>
        <source>Decrypt Test to Text File</source>
        <translation>فك تشفير اختبار إلى ملف نصي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="223"/>
        <source>&amp;Print Test...</source>
        <translation>&amp;طباعة الاختبار...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="224"/>
        <source>&amp;Grade Answers...</source>
        <translation>&amp;تصحيح الإجابات...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="226"/>
        <source>&amp;Scan Answer Sheets...</source>
        <translation>م&amp;سح أوراق الإجابة ضوئيًا...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="228"/>
        <source>&amp;Import Questions...</source>
        <translation>است&amp;يراد الأسئلة...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="229"/>
        <source>E&amp;xport Questions...</source>
        <translation>تصدي&amp;ر الأسئلة...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="230"/>
        <source>Find D&amp;uplicate Questions...</source>
        <translation>البحث عن الأسئلة ال&amp;مكررة...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="233"/>
        <source>Launch Quizwell &amp;Client</source>
        <translation>ت&amp;شغيل Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="235"/>
        <source>Pre&amp;view Test</source>
        <translation>م&amp;عاينة الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="236"/>
        <source>Run in Cl&amp;assroom...</source>
        <translation>التشغيل في الف&amp;صل...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="238"/>
        <source>&amp;Exit                     Alt-F4</source>
        <translation>&amp;خروج                     Alt-F4</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="240"/>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="244"/>
        <source>&amp;Search Tests...</source>
        <translation>ال&amp;بحث في الاختبارات...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="247"/>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="248"/>
        <source>&amp;Contents                 F1</source>
        <translation>ال&amp;محتويات                 F1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="250"/>
        <source>Quizwell on the &amp;Web</source>
        <translation>Quizwell على ال&amp;ويب</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="256"/>
        <source>Quizwell Maker &amp;Home Page</source>
        <translation>ال&amp;صفحة الرئيسية لـ Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="257"/>
        <source>&amp;Tips for Writing Tests</source>
        <translation>&amp;نصائح لكتابة الاختبارات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="258"/>
        <source>&amp;Support</source>
        <translation>ال&amp;دعم</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="259"/>
        <source>Check for &amp;Updates</source>
        <translation>البحث عن ت&amp;حديثات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="266"/>
        <source>&amp;About Quizwell Maker</source>
        <translation>&amp;حول Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="302"/>
        <source>This is the Instructor Test Maker.<byte value="xd"/>Do not distribute with Quizwell.</source>
        <translation>هذه أداة إعداد الاختبارات الخاصة بالمعلّم.<byte value="xd"/>لا توزّعها مع Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="308"/>
        <source>The test file: %1<byte value="xd"/>is corrupt and can not be decoded.<byte value="xd"/>It will not be loaded.</source>
        <translation>ملف الاختبار: %1<byte value="xd"/>تالف ولا يمكن فك ترميزه.<byte value="xd"/>لن يُفتح.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="313"/>
        <source>The test file: %1<byte value="xd"/>can not be read: %2.<byte value="xd"/>It will not be loaded.</source>
        <extracomment>%1 is the test&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>ملف الاختبار: %1<byte value="xd"/>تتعذّر قراءته: %2.<byte value="xd"/>لن يُفتح.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="317"/>
        <source>Only the first %1 tests in this folder can be listed.<byte value="xd"/></source>
        <translation>لا يمكن أن تُسرد إلا أول %1 اختبار في هذا المجلد.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="319"/>
        <source>1 more test file (*.QWT) was found and is not listed.</source>
        <translation>عُثر على ملف اختبار آخر (*.QWT) لم يُدرج في القائمة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="320"/>
        <source>%1 more test files (*.QWT) were found and are not listed.</source>
        <translation>عُثر على ملفات اختبار أخرى (*.QWT) لم تُدرج في القائمة، وعددها %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="326"/>
        <source>Did not find any tests.<byte value="xd"/>All tests (*.QWT) should be in the same folder as this program.</source>
        <translation>لم يُعثر على أي اختبارات.<byte value="xd"/>يجب أن تكون جميع الاختبارات (*.QWT) في المجلد نفسه الذي يوجد فيه هذا البرنامج.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="345"/>
        <source>Could not get test name!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>تعذّر الحصول على اسم الاختبار!<byte value="xd"/>يُرجى المحاولة مرة أخرى أو إعادة تثبيت البرنامج.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="350"/>
        <source>Could not get file name for test!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>تعذّر الحصول على اسم ملف الاختبار!<byte value="xd"/>يُرجى المحاولة مرة أخرى أو إعادة تثبيت البرنامج.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="354"/>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="171"/>
        <source>The test named %1 was not found!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>لم يُعثر على الاختبار المسمّى %1!<byte value="xd"/>يُرجى المحاولة مرة أخرى أو إعادة تثبيت البرنامج.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="415"/>
        <source>No description (%1)</source>
        <extracomment>The status line of a new test; %1 is its file name.</extracomment>
        <translation>بلا وصف (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="426"/>
        <source>%1 is saved in %2, outside the working folder %3.<byte value="xd"/>The list of tests shows only the tests in the working folder, and the engine finds them there.<byte value="xd"/>To work on this test another time, open it with Load Test.</source>
        <extracomment>%1 is the test&apos;s file name, %2 the folder it is saved in, %3 the working folder.</extracomment>
        <translation>حُفظ %1 في %2، خارج مجلد العمل %3.<byte value="xd"/>لا تعرض قائمة الاختبارات إلا الاختبارات الموجودة في مجلد العمل، وهناك يجدها المحرك.<byte value="xd"/>للعمل على هذا الاختبار مرة أخرى، افتحه بالأمر «فتح اختبار».</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="454"/>
        <source>Could not read test description.<byte value="xd"/>Test is not valid manually edit or delete.</source>
        <translation>تعذّرت قراءة وصف الاختبار.<byte value="xd"/>الاختبار غير صالح، فحرّره يدويًا أو احذفه.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="21"/>
        <source>The test has been encrypted.</source>
        <translation>شُفّر الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="26"/>
        <source>The test has been Decrypted.</source>
        <translation>فُكّ تشفير الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="57"/>
        <source>The file %1 exists.<byte value="xd"/>Convert into it, replacing the values it holds?</source>
        <translation>الملف %1 موجود.<byte value="xd"/>هل تريد التحويل إليه، مع استبدال القيم التي يحتويها؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="66"/>
        <source>These questions were not converted: %1.<byte value="xd"/>A test holds the questions up to the first empty one, and at most %2.</source>
        <extracomment>%1 lists question numbers, %2 is the most questions a test holds.</extracomment>
        <translation>لم تُحوَّل هذه الأسئلة: %1.<byte value="xd"/>يحتوي الاختبار على الأسئلة حتى أول سؤال فارغ، وبحد أقصى %2 سؤال.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="111"/>
        <source>Load a test first: the classroom runs the current test.</source>
        <translation>افتح اختبارًا أولًا: يشغّل الفصل الاختبار الحالي.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="138"/>
        <source>QWTEST.EXE not found in current folder.<byte value="xd"/>Would you like to find and run it?</source>
        <translation>لم يُعثر على QWTEST.EXE في المجلد الحالي.<byte value="xd"/>هل تريد البحث عنه وتشغيله؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="140"/>
        <source>%1 in current folder cannot be started: %2.<byte value="xd"/>Would you like to find and run another?</source>
        <translation>يتعذّر تشغيل %1 الموجود في المجلد الحالي: %2.<byte value="xd"/>هل تريد البحث عن برنامج آخر وتشغيله؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="147"/>
        <source>%1 was not found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="150"/>
        <source>%1 cannot be started: %2.</source>
        <translation>يتعذّر تشغيل %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="161"/>
        <source>Load a test first, or choose one in the list: the results shown are that test&apos;s.</source>
        <translation>افتح اختبارًا أولًا، أو اختر واحدًا من القائمة: النتائج المعروضة هي نتائج ذلك الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="204"/>
        <source>These tests could not be read and are not compared:<byte value="xd"/>%1</source>
        <translation>تعذّرت قراءة هذه الاختبارات، لذا لم تُقارَن:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="121"/>
        <source>Name the file for the system it is for: .gift for GIFT, .txt for Aiken, .xml for Moodle XML, .zip for a QTI package, .csv for a spreadsheet.</source>
        <translation>سمِّ الملف وفقًا للنظام الذي سيُستخدم فيه: .gift لـ GIFT، أو .txt لـ Aiken، أو .xml لـ Moodle XML، أو .zip لحزمة QTI، أو .csv لجدول بيانات.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="127"/>
        <source>The questions of %1 have been exported to %2.</source>
        <translation>صُدّرت أسئلة %1 إلى %2.</translation>
    </message>
</context>
<context>
    <name>TNoteForm</name>
    <message>
        <location filename="../src/ui/maker/NoteForm.cpp" line="23"/>
        <source>Notice</source>
        <translation>ملاحظة</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="50"/>
        <source>Print Test</source>
        <translation>طباعة الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="52"/>
        <source>Versions</source>
        <translation>النسخ</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="56"/>
        <source>Versions are named A, B, C, ...</source>
        <translation>تُسمّى النسخ A، B، C، ...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="57"/>
        <source>&amp;Number of versions:</source>
        <translation>&amp;عدد النسخ:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="59"/>
        <source>Shuffle the &amp;questions</source>
        <translation>خلط الأ&amp;سئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="61"/>
        <source>Shuffle the &amp;answers of each question</source>
        <translation>خلط إ&amp;جابات كل سؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="67"/>
        <source>The same seed makes the same versions again; note it to grade them.</source>
        <translation>البذرة نفسها تُنتج النسخ نفسها مرة أخرى؛ دوّنها لتتمكّن من تصحيحها.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="68"/>
        <source>Ne&amp;w</source>
        <translation>ج&amp;ديدة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="71"/>
        <source>&amp;Seed:</source>
        <translation>ال&amp;بذرة:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="74"/>
        <source>Balance the versions&apos; e&amp;xpected scores</source>
        <translation>موازنة الدرجات المت&amp;وقعة للنسخ</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="77"/>
        <source>Versions are balanced when the test draws its questions from a blueprint</source>
        <translation>تُوازَن النسخ عندما يسحب الاختبار أسئلته وفق مخطط</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="78"/>
        <source>Draws the versions from the blueprint so that their expected mean scores, from the results recorded, match</source>
        <translation>يسحب النسخ وفق المخطط بحيث تتطابق متوسطات درجاتها المتوقعة المحسوبة من النتائج المسجلة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="84"/>
        <source>Include</source>
        <translation>تضمين</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="86"/>
        <source>The q&amp;uestions</source>
        <translation>ال&amp;أسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="87"/>
        <source>A name, date and c&amp;lass line</source>
        <translation>سطر للاسم والتاريخ وال&amp;صف</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="88"/>
        <source>The &amp;begin message</source>
        <translation>&amp;رسالة البدء</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="89"/>
        <source>An answer s&amp;heet for each version</source>
        <translation>ورقة إجابة لكل &amp;نسخة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="90"/>
        <source>Sheets the scanner reads: a box per answer, corner marks and a QR code</source>
        <translation>أوراق يقرؤها الماسح الضوئي: مربع لكل إجابة، وعلامات في الزوايا، ورمز QR</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="94"/>
        <source>Columns of boxes for a student number; 0 for none</source>
        <translation>عدد أعمدة المربعات لرقم الطالب؛ 0 لعدم إضافتها</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="96"/>
        <source>Student nu&amp;mber digits:</source>
        <translation>&amp;خانات رقم الطالب:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="103"/>
        <source>One per student, each with its own serial; 1 prints a sheet to photocopy</source>
        <translation>ورقة لكل طالب، لكلٍّ منها رقم تسلسلي خاص بها؛ القيمة 1 تطبع ورقة واحدة للنسخ بآلة التصوير</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="105"/>
        <source>Shee&amp;ts per version:</source>
        <translation>أ&amp;وراق لكل نسخة:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="112"/>
        <source>The answer &amp;keys, on their own pages</source>
        <translation>&amp;مفاتيح الإجابة، في صفحات مستقلة</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="115"/>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="116"/>
        <source>Pre&amp;view...</source>
        <translation>معا&amp;ينة...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="117"/>
        <source>Save as P&amp;DF...</source>
        <translation>&amp;حفظ بصيغة PDF...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="118"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="137"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>يجب أن تكون البذرة عددًا صحيحًا لا يزيد على 18 رقمًا.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="163"/>
        <source>The results could not be read: %1</source>
        <translation>تعذرت قراءة النتائج: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="178"/>
        <source>A sheet of %1 pages to photocopy needs a student number on every page to put its pages together: give the student number digits, or print a sheet per student.</source>
        <extracomment>%1 is how many pages one student&apos;s answer sheet takes.</extracomment>
        <translation>تحتاج ورقة النسخ بآلة التصوير التي عدد صفحاتها %1 إلى رقم الطالب على كل صفحة لجمع صفحاتها معًا: حدّد خانات رقم الطالب، أو اطبع ورقة لكل طالب.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="196"/>
        <source>The printer could not be started.</source>
        <translation>تعذّر تشغيل الطابعة.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="200"/>
        <source>The test has been sent to the printer.</source>
        <translation>أُرسل الاختبار إلى الطابعة.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="206"/>
        <source>These pictures are not printed:</source>
        <translation>لم تُطبع هذه الصور:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="212"/>
        <source>Recorded as print run %1 for grading.</source>
        <translation>سُجّلت بوصفها دفعة الطباعة %1 للتصحيح.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="215"/>
        <source>Seed %1 was printed before as run %2 with other questions drawn: the sheets of the two prints cannot be told apart, so neither is graded when scanned. Print again with a new seed.</source>
        <extracomment>%1 is the seed, %2 the number of the earlier print run.</extracomment>
        <translation>طُبعت البذرة %1 من قبل في الدفعة %2 بأسئلة مسحوبة أخرى: لا يمكن التمييز بين أوراق الطباعتين، لذا لن تُصحَّح أيٌّ منهما عند المسح. اطبع مرة أخرى ببذرة جديدة.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="223"/>
        <source>The print run could not be recorded for grading: %1</source>
        <extracomment>%1 is the reason the results store gives.</extracomment>
        <translation>تعذّر تسجيل دفعة الطباعة للتصحيح: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="224"/>
        <source>Note seed %1 to grade the sheets.</source>
        <translation>دوّن البذرة %1 لتصحيح الأوراق.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>Save Test as PDF</source>
        <translation>حفظ الاختبار بصيغة PDF</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>PDF Files|*.pdf|All Files|*.*</source>
        <translation>ملفات PDF|*.pdf|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="252"/>
        <source>The PDF could not be made.</source>
        <translation>تعذّر إنشاء ملف PDF.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="256"/>
        <source>The test has been saved as a PDF of %1 pages:<byte value="xd"/>%2</source>
        <extracomment>%2 is the PDF&apos;s path, on a line of its own.</extracomment>
        <translation>حُفظ الاختبار ملفَّ PDF (عدد الصفحات: %1):<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="26"/>
        <source>&quot;%1&quot;: give a category, &quot;=&quot; and how many questions to ask</source>
        <extracomment>%1 is a line of a blueprint as the teacher gave it.</extracomment>
        <translation>&quot;%1&quot;: اكتب فئة، ثم &quot;=&quot;، ثم عدد الأسئلة المطلوبة</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="31"/>
        <source>%1: ask from 1 to %2 questions, not &quot;%3&quot;</source>
        <extracomment>%1 is a category, %2 the most questions a test holds, %3 what was given for it.</extracomment>
        <translation>%1: اطلب عددًا من الأسئلة من 1 إلى %2، لا &quot;%3&quot;</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="35"/>
        <source>%1: named twice</source>
        <extracomment>%1 is a category.</extracomment>
        <translation>%1: ذُكرت مرتين</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="38"/>
        <source>%1: %2 asked, %3 in the test</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many the test has.</extracomment>
        <translation>%1: المطلوب %2، والموجود في الاختبار %3</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="44"/>
        <source>%1: %2 asked, %3 needed for one of each tag</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many one of each tag takes.</extracomment>
        <translation>%1: المطلوب %2، واللازم لسؤال من كل وسم %3</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="51"/>
        <source>the blueprint does not read (%1): every question is printed</source>
        <extracomment>%1 says why the test&apos;s blueprint does not read.</extracomment>
        <translation>تتعذّر قراءة المخطط (%1): تُطبع كل الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="58"/>
        <source>no statistics for these questions yet: versions drawn at random</source>
        <translation>لا توجد إحصاءات لهذه الأسئلة بعد: سُحبت النسخ عشوائيًا</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="63"/>
        <source>%1%</source>
        <extracomment>An expected mean score: %1 is a whole percent.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="68"/>
        <source>expected mean: %1 (spread %2 points)</source>
        <extracomment>%1 lists each version&apos;s expected mean score, %2 the highest less the lowest.</extracomment>
        <translation>المتوسط المتوقع: %1 (الفرق بين الأعلى والأدنى بالنقاط: %2)</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="72"/>
        <source>expected mean: %1 (spread %2 points); %n questions without statistics counted at the mean</source>
        <extracomment>%1 lists each version&apos;s expected mean score, %2 the highest less the lowest; %n questions have no statistics.</extracomment>
        <translation>
            <numerusform>المتوسط المتوقع: %1 (الفرق بين الأعلى والأدنى بالنقاط: %2)؛ احتُسب %n سؤال بلا إحصاءات بقيمة المتوسط</numerusform>
            <numerusform>المتوسط المتوقع: %1 (الفرق بين الأعلى والأدنى بالنقاط: %2)؛ احتُسب سؤال واحد بلا إحصاءات بقيمة المتوسط</numerusform>
            <numerusform>المتوسط المتوقع: %1 (الفرق بين الأعلى والأدنى بالنقاط: %2)؛ احتُسب سؤالان بلا إحصاءات بقيمة المتوسط</numerusform>
            <numerusform>المتوسط المتوقع: %1 (الفرق بين الأعلى والأدنى بالنقاط: %2)؛ احتُسب %n أسئلة بلا إحصاءات بقيمة المتوسط</numerusform>
            <numerusform>المتوسط المتوقع: %1 (الفرق بين الأعلى والأدنى بالنقاط: %2)؛ احتُسب %n سؤالًا بلا إحصاءات بقيمة المتوسط</numerusform>
            <numerusform>المتوسط المتوقع: %1 (الفرق بين الأعلى والأدنى بالنقاط: %2)؛ احتُسب %n سؤال بلا إحصاءات بقيمة المتوسط</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQAForm</name>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="49"/>
        <source>Quizwell only supports up to 500 questions.</source>
        <translation>لا يدعم Quizwell أكثر من 500 سؤال.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="52"/>
        <source>Delete this question?</source>
        <translation>هل تريد حذف هذا السؤال؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="55"/>
        <source>Question has been deleted.</source>
        <translation>حُذف السؤال.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="29"/>
        <source>Any changes made since you last saved will be lost!<byte value="xd"/>Would you like to exit?</source>
        <translation>ستُفقد كل التغييرات التي أُجريت منذ آخر حفظ!<byte value="xd"/>هل تريد الخروج؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="33"/>
        <source>This will reload the test from disk.<byte value="xd"/>Any changes you have made will be lost!<byte value="xd"/>Are you sure that you want to revert?</source>
        <translation>سيُعاد تحميل الاختبار من القرص.<byte value="xd"/>ستُفقد كل التغييرات التي أجريتها!<byte value="xd"/>هل أنت متأكد من أنك تريد استرجاع الاختبار؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="39"/>
        <source>Changes saved. Would you like to continue editing?</source>
        <translation>حُفظت التغييرات. هل تريد متابعة التحرير؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="42"/>
        <source>Save the changes to %1 before closing?</source>
        <translation>هل تريد حفظ التغييرات في %1 قبل الإغلاق؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="45"/>
        <source>The questions of this test were not numbered in sequence.<byte value="xd"/>They are shown renumbered, and Save stores them under the new numbers.</source>
        <translation>لم تكن أسئلة هذا الاختبار مرقّمة بالتسلسل.<byte value="xd"/>تُعرض بعد إعادة ترقيمها، ويحفظها الأمر «حفظ» بالأرقام الجديدة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="59"/>
        <source>These questions have no question text, so they cannot be saved: %1.<byte value="xd"/>Their answers and other entries will be lost.<byte value="xd"/>Save without them?</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>لا يوجد نص سؤال في هذه الأسئلة، لذا لا يمكن حفظها: %1.<byte value="xd"/>ستُفقد إجاباتها وبقية مدخلاتها.<byte value="xd"/>هل تريد الحفظ بدونها؟</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="67"/>
        <source>These empty questions were not saved: %1.<byte value="xd"/>The questions after them were saved under numbers that close the gap.</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>لم تُحفظ هذه الأسئلة الفارغة: %1.<byte value="xd"/>حُفظت الأسئلة التي تليها بأرقام تسدّ الفجوة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="73"/>
        <source>The test file %1 was deleted while it was being edited.<byte value="xd"/>It was written anew: the settings of a new test and these questions.</source>
        <translation>حُذف ملف الاختبار %1 أثناء تحريره.<byte value="xd"/>كُتب من جديد: بإعدادات اختبار جديد وبهذه الأسئلة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="24"/>
        <source>No spelling dictionary for %1 is installed, so spelling is not checked.</source>
        <extracomment>%1 is a language, as &quot;en_US&quot;.</extracomment>
        <translation>لا يوجد قاموس إملائي مثبّت للغة %1، لذا لن يُدقَّق الإملاء.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="80"/>
        <source>Loading questions.  Please wait...</source>
        <translation>جارٍ تحميل الأسئلة. يُرجى الانتظار...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="83"/>
        <source>Saving questions.  Please wait...</source>
        <translation>جارٍ حفظ الأسئلة. يُرجى الانتظار...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="93"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="332"/>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="105"/>
        <source>Reference</source>
        <translation>المرجع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="114"/>
        <source>Mechanics/Forces</source>
        <translation>الميكانيكا/القوى</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="116"/>
        <source>tags, separated by commas</source>
        <translation>وسوم مفصولة بفواصل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Tags</source>
        <translation>الوسوم</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="188"/>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="189"/>
        <source>&amp;Save Test</source>
        <translation>&amp;حفظ الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="191"/>
        <source>&amp;Revert Test</source>
        <translation>&amp;استرجاع الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="192"/>
        <source>&amp;Preview Test</source>
        <translation>م&amp;عاينة الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="193"/>
        <source>&amp;Import Questions...</source>
        <translation>است&amp;يراد الأسئلة...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="195"/>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="197"/>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="198"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo</source>
        <extracomment>%1 names the change undone, as &quot;Typing&quot;.</extracomment>
        <translation>ترا&amp;جع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="200"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo</source>
        <extracomment>%1 names the change redone, as &quot;Typing&quot;.</extracomment>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo %1</source>
        <translation>ترا&amp;جع عن %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo %1</source>
        <translation>إ&amp;عادة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="214"/>
        <source>&amp;Add New Question</source>
        <translation>إ&amp;ضافة سؤال جديد</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="216"/>
        <source>&amp;Delete Current Question</source>
        <translation>&amp;حذف السؤال الحالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="218"/>
        <source>&amp;Find...</source>
        <translation>&amp;بحث...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="219"/>
        <source>R&amp;eplace...</source>
        <translation>ا&amp;ستبدال...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="222"/>
        <source>Check &amp;Spelling of the Whole Test</source>
        <translation>&amp;تدقيق إملاء الاختبار كاملًا</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="224"/>
        <source>Spelling &amp;Language</source>
        <translation>ل&amp;غة التدقيق الإملائي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="233"/>
        <source>&amp;Navigate</source>
        <translation>ت&amp;نقّل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="234"/>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="236"/>
        <source>&amp;Previous</source>
        <translation>ال&amp;سابق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="239"/>
        <source>&amp;Top</source>
        <translation>الأ&amp;ول</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="240"/>
        <source>&amp;Bottom</source>
        <translation>الأ&amp;خير</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="242"/>
        <source>Jump to...</source>
        <translation>انتقال إلى...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="243"/>
        <source>Question &amp;List...</source>
        <translation>قائمة الأسئ&amp;لة...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="245"/>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="278"/>
        <source>Save Test</source>
        <translation>حفظ الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="279"/>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="281"/>
        <source>Revert Test</source>
        <translation>استرجاع الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="299"/>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="301"/>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="305"/>
        <source>Bottom</source>
        <translation>الأخير</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="306"/>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="307"/>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="308"/>
        <source>Top</source>
        <translation>الأول</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="309"/>
        <source>Jump To...</source>
        <translation>انتقال إلى...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="311"/>
        <source>Add New Question</source>
        <translation>إضافة سؤال جديد</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="312"/>
        <source>Delete Current Question</source>
        <translation>حذف السؤال الحالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="321"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="358"/>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="322"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="359"/>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="342"/>
        <source>Click to add a hot link.</source>
        <translation>انقر لإضافة رابط سريع.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="343"/>
        <source>Click to add media file</source>
        <translation>انقر لإضافة ملف وسائط</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="350"/>
        <source>Enter up to 6 answers.  Check the box next to each correct answer.</source>
        <translation>أدخل ما يصل إلى 6 إجابات. حدّد المربع المجاور لكل إجابة صحيحة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="379"/>
        <source>Answer %1</source>
        <extracomment>Read out by a screen reader; %1 is the answer&apos;s letter.</extracomment>
        <translation>الإجابة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="380"/>
        <source>Answer %1 is correct</source>
        <translation>الإجابة %1 صحيحة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="393"/>
        <source>All answers must be correct to pass</source>
        <translation>يجب اختيار جميع الإجابات الصحيحة للنجاح</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="395"/>
        <source>Any correct answer is concidered a pass</source>
        <translation>تُعدّ أي إجابة صحيحة كافية للنجاح</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="501"/>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="153"/>
        <source>Set Category</source>
        <translation>تعيين الفئة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="506"/>
        <source>Move Question</source>
        <translation>نقل السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="75"/>
        <source>(no suggestions)</source>
        <translation>(لا توجد اقتراحات)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="80"/>
        <source>Add to word list</source>
        <translation>إضافة إلى قائمة الكلمات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="85"/>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="102"/>
        <source>No unknown words</source>
        <translation>لا توجد كلمات غير معروفة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="103"/>
        <source>1 unknown word</source>
        <translation>كلمة واحدة غير معروفة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="104"/>
        <source>%1 unknown words</source>
        <translation>عدد الكلمات غير المعروفة: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="164"/>
        <source>Save changes before the preview?<byte value="xd"/>The preview shows the test as saved.</source>
        <translation>هل تريد حفظ التغييرات قبل المعاينة؟<byte value="xd"/>تعرض المعاينة الاختبار كما حُفظ.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="185"/>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="515"/>
        <source>Add Question</source>
        <translation>إضافة سؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="524"/>
        <source>Delete Question</source>
        <translation>حذف سؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="535"/>
        <source>Paste Question</source>
        <translation>لصق سؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="545"/>
        <source>Paste Answers</source>
        <translation>لصق الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="154"/>
        <source>Set Tags</source>
        <translation>تعيين الوسوم</translation>
    </message>
</context>
<context>
    <name>TQuestionForm</name>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="119"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;رابط سريع</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="120"/>
        <source>&amp;Reference</source>
        <translation>ال&amp;مرجع</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="121"/>
        <source>&amp;Media</source>
        <translation>ال&amp;وسائط</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="122"/>
        <source>Chec&amp;k</source>
        <translation>ت&amp;حقّق</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="129"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; ال&amp;سابق</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="130"/>
        <source>&amp;Next &gt;</source>
        <translation>ال&amp;تالي &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="131"/>
        <source>Finish &amp;Test</source>
        <translation>إ&amp;نهاء الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="178"/>
        <source>Question %1 of %2</source>
        <translation>السؤال %1 من %2</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="184"/>
        <source>(choose any that apply)</source>
        <translation>(اختر أيًّا مما ينطبق)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="185"/>
        <source>(choose all that apply)</source>
        <translation>(اختر كل ما ينطبق)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="255"/>
        <source>✔ right</source>
        <extracomment>Marks shown after a checked answer.</extracomment>
        <translation>✔ صحيحة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="257"/>
        <source>✘ wrong</source>
        <translation>✘ خاطئة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="259"/>
        <source>✔ correct answer</source>
        <translation>✔ الإجابة الصحيحة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Right!</source>
        <translation>صحيح!</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Wrong.</source>
        <translation>خطأ.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="268"/>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="356"/>
        <source>Reference: %1</source>
        <translation>المرجع: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="286"/>
        <source>Please answer this question before going on.</source>
        <translation>يُرجى الإجابة عن هذا السؤال قبل المتابعة.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/QuestionForm.cpp" line="313"/>
        <source>%n question(s) have no answer and will count as wrong.<byte value="xd"/>Finish the test now?</source>
        <translation>
            <numerusform>%n سؤال بلا إجابة وستُحتسب خطأً.<byte value="xd"/>هل تريد إنهاء الاختبار الآن؟</numerusform>
            <numerusform>سؤال واحد بلا إجابة وسيُحتسب خطأً.<byte value="xd"/>هل تريد إنهاء الاختبار الآن؟</numerusform>
            <numerusform>سؤالان بلا إجابة وسيُحتسبان خطأً.<byte value="xd"/>هل تريد إنهاء الاختبار الآن؟</numerusform>
            <numerusform>%n أسئلة بلا إجابة وستُحتسب خطأً.<byte value="xd"/>هل تريد إنهاء الاختبار الآن؟</numerusform>
            <numerusform>%n سؤالًا بلا إجابة وستُحتسب خطأً.<byte value="xd"/>هل تريد إنهاء الاختبار الآن؟</numerusform>
            <numerusform>%n سؤال بلا إجابة وستُحتسب خطأً.<byte value="xd"/>هل تريد إنهاء الاختبار الآن؟</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="314"/>
        <source>Every question has an answer.<byte value="xd"/>Finish the test now? No answer can be changed afterwards.</source>
        <translation>لكل سؤال إجابة.<byte value="xd"/>هل تريد إنهاء الاختبار الآن؟ لا يمكن تغيير أي إجابة بعد ذلك.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="322"/>
        <source>End the test now? It is scored as it stands.</source>
        <translation>هل تريد إنهاء الاختبار الآن؟ سيُصحَّح على حالته الراهنة.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="369"/>
        <source>Elapsed: %1</source>
        <translation>الوقت المنقضي: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="370"/>
        <source>Remaining: %1</source>
        <translation>الوقت المتبقي: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="372"/>
        <source>Elapsed %1</source>
        <translation>المنقضي %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="375"/>
        <source>Left %1</source>
        <extracomment>The time left, on the bar that shows it; %1 is hours:minutes:seconds.</extracomment>
        <translation>المتبقي %1</translation>
    </message>
</context>
<context>
    <name>TQuestionListForm</name>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="70"/>
        <source>Question List</source>
        <translation>قائمة الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="72"/>
        <source>Category or tag</source>
        <translation>فئة أو وسم</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Tags</source>
        <translation>الوسوم</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Asked</source>
        <translation>المطروحة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Facility</source>
        <translation>معامل السهولة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Discrimination</source>
        <translation>معامل التمييز</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Last Asked</source>
        <translation>آخر طرح</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="77"/>
        <source>Key Changed</source>
        <translation>تغيّر المفتاح</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="91"/>
        <source>Mechanics/Forces</source>
        <translation>الميكانيكا/القوى</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="92"/>
        <source>Set &amp;Category</source>
        <translation>تعيين ال&amp;فئة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="93"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="96"/>
        <source>&amp;Show:</source>
        <translation>&amp;عرض:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="101"/>
        <source>Category of the selected questions:</source>
        <translation>فئة الأسئلة المحددة:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="148"/>
        <source>changed</source>
        <translation>تغيّر</translation>
    </message>
</context>
<context>
    <name>TResultsForm</name>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="28"/>
        <source>Make &quot;%1&quot; a drop folder?<byte value="xd"/>Students can then put their results into it but not see the files there; only you can list and read them (mode 1733).</source>
        <translation>هل تريد جعل &quot;%1&quot; مجلد إيداع؟<byte value="xd"/>يستطيع الطلاب عندئذٍ وضع نتائجهم فيه دون رؤية الملفات الموجودة فيه؛ وأنت وحدك من يستطيع سردها وقراءتها (الوضع 1733).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="37"/>
        <source>The mode of &quot;%1&quot; could not be changed.<byte value="xd"/>%2</source>
        <translation>تعذّر تغيير وضع &quot;%1&quot;.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>engine</source>
        <extracomment>Where an attempt came from: the engine, a paper test, a scanned sheet, the classroom or an import.</extracomment>
        <translation>المحرك</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>paper</source>
        <translation>اختبار ورقي</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>scan</source>
        <translation>مسح ضوئي</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>classroom</source>
        <translation>الفصل</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="59"/>
        <source>import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-easy</source>
        <extracomment>The item analysis&apos;s flags of a question: answered right by nearly all, by few; telling the able students from the others weakly, the wrong way round; a wrong letter chosen by the able ones. Each is one word, hyphens for blanks: a question&apos;s flags are listed with blanks between.</extracomment>
        <translation>سهل-جدًا</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-hard</source>
        <translation>صعب-جدًا</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>weak</source>
        <translation>ضعيف</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>negative</source>
        <translation>سالب</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="26"/>
        <source>miskey</source>
        <translation>مفتاح-خاطئ</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="149"/>
        <source>%1 (any)</source>
        <extracomment>A key whose letters each pass on their own; %1 is the letters.</extracomment>
        <translation>%1 (أيٌّ منها)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="154"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>ملفات CSV|*.CSV|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="67"/>
        <source>%1 of %2</source>
        <extracomment>A score: %1 questions right of %2 asked.</extracomment>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="72"/>
        <source>%1% (%2 of %3 passed)</source>
        <extracomment>The pass rate: %1 percent of the attempts, %2 of the %3 attempts passed.</extracomment>
        <translation>%1% (نجح %2 من %3)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="29"/>
        <source>yes</source>
        <extracomment>Whether an attempt passed.</extracomment>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="30"/>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="81"/>
        <source>%1%</source>
        <extracomment>A percentage; the number is %1.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="87"/>
        <source>Student</source>
        <translation>الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="88"/>
        <source>Student number</source>
        <translation>رقم الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="89"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="90"/>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="91"/>
        <source>Version</source>
        <translation>النسخة</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="92"/>
        <source>Score</source>
        <translation>الدرجة</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="93"/>
        <source>Percent</source>
        <translation>النسبة المئوية</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="94"/>
        <source>Passed</source>
        <translation>ناجح</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="95"/>
        <source>Time taken</source>
        <translation>الوقت المستغرق</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="97"/>
        <source>Questions</source>
        <extracomment>The questions an attempt asked, by their numbers in the test: &quot;1, 4, 7-9&quot;.</extracomment>
        <translation>الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="101"/>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="102"/>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="193"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="298"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="103"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="123"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="249"/>
        <source>Attempts</source>
        <translation>المحاولات</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="104"/>
        <source>Facility</source>
        <translation>معامل السهولة</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="105"/>
        <source>Discrimination</source>
        <translation>معامل التمييز</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="172"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="107"/>
        <source>Blank</source>
        <translation>بلا إجابة</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="108"/>
        <source>Flags</source>
        <translation>تنبيهات</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="121"/>
        <source>Attempts by percent score</source>
        <translation>المحاولات حسب النسبة المئوية للدرجة</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="159"/>
        <source>Question %1: who chose each answer</source>
        <translation>السؤال %1: من اختار كل إجابة</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="161"/>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="162"/>
        <source>Top 27%</source>
        <translation>أعلى 27%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="163"/>
        <source>Bottom 27%</source>
        <translation>أدنى 27%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="167"/>
        <source>%1 (key)</source>
        <extracomment>An answer&apos;s letter on the chart, when it is the key; %1 is the letter.</extracomment>
        <translation>%1 (المفتاح)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="194"/>
        <source>Test statistics</source>
        <translation>إحصاءات الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="195"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="352"/>
        <source>Item analysis</source>
        <translation>تحليل الفقرات</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="196"/>
        <source>Regrade</source>
        <translation>إعادة التصحيح</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="198"/>
        <source>Export &amp;Gradebook...</source>
        <translation>تصدير &amp;سجلّ الدرجات...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="199"/>
        <source>Export &amp;Item Analysis...</source>
        <translation>تصدير &amp;تحليل الفقرات...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="200"/>
        <source>Export &amp;Report (PDF)...</source>
        <translation>تصدير الت&amp;قرير (PDF)...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="201"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="248"/>
        <source>Results - %1</source>
        <translation>النتائج - %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="267"/>
        <source>No results folder is set (Client Configuration, Results tab).</source>
        <translation>لم يُحدَّد مجلد للنتائج (إعدادات العميل، تبويب «النتائج»).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="268"/>
        <source>Results folder: %1</source>
        <translation>مجلد النتائج: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="273"/>
        <source>Dates from</source>
        <translation>التواريخ من</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="280"/>
        <source>First day</source>
        <translation>اليوم الأول</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="281"/>
        <source>Last day</source>
        <translation>اليوم الأخير</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="283"/>
        <source>All sources</source>
        <translation>جميع المصادر</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="286"/>
        <source>All classes</source>
        <translation>جميع الصفوف</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="291"/>
        <source>to</source>
        <extracomment>Between the first and the last day of the dates shown.</extracomment>
        <translation>إلى</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="299"/>
        <source>&amp;Delete Attempt...</source>
        <translation>&amp;حذف المحاولة...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="300"/>
        <source>&amp;Undo Delete</source>
        <translation>ترا&amp;جع عن الحذف</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="310"/>
        <source>Make Drop &amp;Folder...</source>
        <translation>إنشاء مجلد إ&amp;يداع...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="313"/>
        <source>Files not collected</source>
        <translation>ملفات لم تُجمع</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="324"/>
        <source>Files not collected (left in place):</source>
        <translation>ملفات لم تُجمع (تُركت في مكانها):</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="359"/>
        <source>Counts per answer: all / top 27% / bottom 27%. Double-click a question to edit it.</source>
        <translation>الأعداد لكل إجابة: الكل / أعلى 27% / أدنى 27%. انقر نقرًا مزدوجًا على سؤال لتحريره.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="374"/>
        <source>Questions whose key changed</source>
        <translation>الأسئلة التي تغيّر مفتاحها</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key marked with</source>
        <translation>المفتاح عند التصحيح</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key now</source>
        <translation>المفتاح الآن</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="376"/>
        <source>Regrade with the &amp;Key Now</source>
        <translation>إعادة التصحيح بال&amp;مفتاح الحالي</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="377"/>
        <source>Attempts rescored</source>
        <translation>المحاولات المُعاد تصحيحها</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>First score</source>
        <translation>الدرجة الأولى</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>Score now</source>
        <translation>الدرجة الآن</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="381"/>
        <source>Questions whose key changed since attempts were marked:</source>
        <translation>الأسئلة التي تغيّر مفتاحها منذ تصحيح المحاولات:</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="387"/>
        <source>Attempts rescored (each keeps its first score):</source>
        <translation>المحاولات المُعاد تصحيحها (تحتفظ كلٌّ منها بدرجتها الأولى):</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="460"/>
        <source>Attempts: %1
Mean: %2%
Median: %3%
Standard deviation: %4
KR-20 reliability: %5
Standard error of measurement: %6
Pass rate: %7</source>
        <translation>المحاولات: %1
المتوسط: %2%
الوسيط: %3%
الانحراف المعياري: %4
معامل الثبات KR-20: %5
الخطأ المعياري للقياس: %6
نسبة النجاح: %7</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="536"/>
        <source>Choose the attempt to delete first.</source>
        <translation>اختر أولًا المحاولة المراد حذفها.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="540"/>
        <source>Delete the attempt of %1 taken %2?<byte value="xd"/>Undo Delete brings it back.</source>
        <translation>هل تريد حذف محاولة %1 التي أُدّيت في %2؟<byte value="xd"/>يستعيدها الأمر «تراجع عن الحذف».</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/results/ResultsForm.cpp" line="561"/>
        <source>%n attempt(s) were rescored with the test&apos;s key; each keeps its first score. %1 score(s) changed.</source>
        <translation>
            <numerusform>أُعيد تصحيح %n محاولة بمفتاح الاختبار، وتحتفظ كلٌّ منها بدرجتها الأولى. عدد الدرجات التي تغيّرت: %1.</numerusform>
            <numerusform>أُعيد تصحيح محاولة واحدة بمفتاح الاختبار، وهي تحتفظ بدرجتها الأولى. عدد الدرجات التي تغيّرت: %1.</numerusform>
            <numerusform>أُعيد تصحيح محاولتين بمفتاح الاختبار، وتحتفظ كلٌّ منهما بدرجتها الأولى. عدد الدرجات التي تغيّرت: %1.</numerusform>
            <numerusform>أُعيد تصحيح %n محاولات بمفتاح الاختبار، وتحتفظ كلٌّ منها بدرجتها الأولى. عدد الدرجات التي تغيّرت: %1.</numerusform>
            <numerusform>أُعيد تصحيح %n محاولةً بمفتاح الاختبار، وتحتفظ كلٌّ منها بدرجتها الأولى. عدد الدرجات التي تغيّرت: %1.</numerusform>
            <numerusform>أُعيد تصحيح %n محاولة بمفتاح الاختبار، وتحتفظ كلٌّ منها بدرجتها الأولى. عدد الدرجات التي تغيّرت: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="580"/>
        <source>Export Gradebook</source>
        <translation>تصدير سجلّ الدرجات</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="585"/>
        <source>Export Item Analysis</source>
        <translation>تصدير تحليل الفقرات</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="593"/>
        <source>PDF Files|*.PDF|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>ملفات PDF|*.PDF|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="594"/>
        <source>Export Report</source>
        <translation>تصدير التقرير</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="602"/>
        <source>Results: %1 (%2)</source>
        <translation>النتائج: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="242"/>
        <source>Item analysis (answers: all / top 27% / bottom 27%)</source>
        <translation>تحليل الفقرات (الإجابات: الكل / أعلى 27% / أدنى 27%)</translation>
    </message>
</context>
<context>
    <name>TReviewForm</name>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="17"/>
        <source>Review</source>
        <translation>المراجعة</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="38"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;رابط سريع</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="39"/>
        <source>&amp;Reference</source>
        <translation>ال&amp;مرجع</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="40"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; ال&amp;سابق</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="41"/>
        <source>&amp;Next &gt;</source>
        <translation>ال&amp;تالي &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="42"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="65"/>
        <source>Nothing to review.</source>
        <translation>لا يوجد ما يُراجَع.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="76"/>
        <source>Review %1 of %2 (question %3 of the test)</source>
        <translation>المراجعة %1 من %2 (السؤال %3 في الاختبار)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>Your answer: %1</source>
        <translation>إجابتك: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="88"/>
        <source>Correct answer: %1 (any one of them passes)</source>
        <translation>الإجابة الصحيحة: %1 (أيٌّ منها يكفي للنجاح)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="89"/>
        <source>Correct answer: %1</source>
        <translation>الإجابة الصحيحة: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="90"/>
        <source>You checked this answer during the test; it was locked from then on.</source>
        <translation>تحقّقت من هذه الإجابة أثناء الاختبار؛ وقُفلت منذ ذلك الحين.</translation>
    </message>
</context>
<context>
    <name>TScanForm</name>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="85"/>
        <source>not a grey image</source>
        <translation>ليست صورة بتدرّج الرمادي</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="86"/>
        <source>the image cannot be read: %1</source>
        <translation>تتعذّر قراءة الصورة: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="87"/>
        <source>no corner markers: a blank page, or not an answer sheet</source>
        <translation>لا توجد علامات زوايا: صفحة فارغة أو ليست ورقة إجابة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="88"/>
        <source>only %1 of the four corner markers found</source>
        <translation>لم يُعثر إلا على %1 من علامات الزوايا الأربع</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="89"/>
        <source>the QR code cannot be read</source>
        <translation>تتعذّر قراءة رمز QR</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="90"/>
        <source>the QR code is not an answer sheet&apos;s</source>
        <translation>رمز QR ليس رمز ورقة إجابة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="91"/>
        <source>the corner markers do not stand where a sheet&apos;s do (a corner torn off or folded?)</source>
        <translation>علامات الزوايا ليست في مواضعها على الورقة (زاوية ممزّقة أو مطويّة؟)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="93"/>
        <source>the corner markers do not stand where a sheet&apos;s do (the page folded, or photographed more than 15 degrees aside?)</source>
        <translation>علامات الزوايا ليست في مواضعها على الورقة (صفحة مطويّة، أو صُوّرت بميل يزيد على 15 درجة؟)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="96"/>
        <source>the QR code does not stand where the corner markers put it</source>
        <translation>رمز QR ليس في الموضع الذي تحدّده علامات الزوايا</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="97"/>
        <source>the page is too faint to read</source>
        <translation>الصفحة باهتة جدًا فلا يمكن قراءتها</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="98"/>
        <source>a box neither blank nor marked</source>
        <translation>مربع ليس فارغًا ولا مظلّلًا</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="99"/>
        <source>boxes neither blank nor marked</source>
        <translation>مربعات ليست فارغة ولا مظلّلة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="100"/>
        <source>marks between the boxes (a circled box?)</source>
        <translation>علامات بين المربعات (مربع محاط بدائرة؟)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="101"/>
        <source>more than one box marked</source>
        <translation>أكثر من مربع مظلّل</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="102"/>
        <source>column %1 has more than one digit marked</source>
        <translation>في العمود %1 أكثر من رقم مظلّل</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="103"/>
        <source>column %1 has a box neither blank nor marked</source>
        <translation>في العمود %1 مربع ليس فارغًا ولا مظلّلًا</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="104"/>
        <source>column %1 is left blank</source>
        <translation>العمود %1 متروك فارغًا</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="125"/>
        <source>seed %1, %2</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;).</extracomment>
        <translation>البذرة %1، %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="128"/>
        <source>seed %1, %2, %3</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;), %3 what was shuffled.</extracomment>
        <translation>البذرة %1، %2، %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="138"/>
        <source>sheet %1 of version %2</source>
        <extracomment>A sheet named inside a problem: %1 is its serial, %2 its version letter.</extracomment>
        <translation>الورقة %1 من النسخة %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="140"/>
        <source>version %1 sheet of student %2</source>
        <translation>ورقة النسخة %1 للطالب %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="144"/>
        <source>version %1 sheet</source>
        <translation>ورقة النسخة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="159"/>
        <source>a page of another test (fingerprint %1)</source>
        <translation>صفحة من اختبار آخر (البصمة %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="161"/>
        <source>a sheet of a print that was not recorded (%1)</source>
        <translation>ورقة من طباعة غير مسجّلة (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="163"/>
        <source>a sheet of one of two prints with the same seed that drew other questions (%1): which it is cannot be known, so it is not graded</source>
        <translation>ورقة من إحدى طباعتين بالبذرة نفسها سُحبت فيهما أسئلة مختلفة (%1): يتعذّر معرفة أيّهما، لذا لن تُصحَّح</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="168"/>
        <source>a sheet of another print than the rest of the pile (%1)</source>
        <translation>ورقة من طباعة غير طباعة بقية الرزمة (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="170"/>
        <source>version %1 is not one of the %2 versions of its print</source>
        <translation>النسخة %1 ليست من نسخ طباعتها (وعددها %2)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="174"/>
        <source>the page&apos;s student cannot be known: the student number written on every page of a photocopied sheet is missing or unclear on it</source>
        <translation>يتعذّر معرفة طالب هذه الصفحة: رقم الطالب المكتوب على كل صفحة من الورقة المنسوخة مفقود أو غير واضح</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="183"/>
        <source>%1 has page %2 more than once (%3): which copy is whose cannot be known, so the sheet is not graded</source>
        <extracomment>%1 names the sheet, %2 is a page&apos;s number, %3 the places of its copies.</extracomment>
        <translation>في %1 الصفحة %2 أكثر من مرة (%3): يتعذّر معرفة صاحب كلٍّ منها، لذا لن تُصحَّح الورقة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="339"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>تتعذّر قراءة الدفعات المسجّلة: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="492"/>
        <source>Warning: %1</source>
        <extracomment>%1 is what was graded all the same but should be checked.</extracomment>
        <translation>تحذير: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="694"/>
        <source>The sheets read cannot be graded: %1</source>
        <translation>يتعذّر تصحيح الأوراق المقروءة: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="109"/>
        <source>%1 page %2, question %3</source>
        <extracomment>Where on the scans: %1 is a file, %2 a page&apos;s number in it, %3 a question&apos;s number on the sheet.</extracomment>
        <translation>%1 الصفحة %2، السؤال %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="110"/>
        <source>%1 page %2, student number</source>
        <translation>%1 الصفحة %2، رقم الطالب</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="111"/>
        <source>%1 page %2</source>
        <translation>%1 الصفحة %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="178"/>
        <source>page %1 of a version %2 sheet whose page 1 is not before it</source>
        <translation>الصفحة %1 من ورقة للنسخة %2 لا تسبقها صفحتها الأولى</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="191"/>
        <source>%1 lacks page %2 of %3</source>
        <extracomment>%1 names the sheet, %2 the pages missing, %3 how many pages it has.</extracomment>
        <translation>الصفحة %2 من %3 مفقودة في %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="195"/>
        <source>the test&apos;s questions or answers were changed after this sheet was printed: its rows are not the test&apos;s as it is now, so it cannot be graded with it</source>
        <translation>تغيّرت أسئلة الاختبار أو إجاباته بعد طباعة هذه الورقة: صفوفها لا تطابق الاختبار بحالته الحالية، لذا لا يمكن تصحيحها به</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="199"/>
        <source>its questions do not follow those of the sheet&apos;s page before</source>
        <translation>أسئلتها لا تلي أسئلة الصفحة السابقة من الورقة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="201"/>
        <source>student number %1 is on more than one sheet (%2)</source>
        <translation>رقم الطالب %1 موجود على أكثر من ورقة (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="216"/>
        <source>the test was changed after these sheets were printed: they are read with its questions and keys as they are now</source>
        <translation>تغيّر الاختبار بعد طباعة هذه الأوراق: تُقرأ بأسئلته ومفاتيحه كما هي الآن</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="221"/>
        <source>%1: read as pencil</source>
        <extracomment>%1 is where the page is: a file and a page&apos;s number in it.</extracomment>
        <translation>%1: قُرئت على أنها بقلم رصاص</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="225"/>
        <source>some sheets were printed before sheets had serials: their pages are joined by their order in the pile, so check that each sheet&apos;s pages lie together, first page first</source>
        <translation>طُبعت بعض الأوراق قبل أن تحمل الأوراق أرقامًا تسلسلية: تُجمع صفحاتها حسب ترتيبها في الرزمة، لذا تحقّق من أن صفحات كل ورقة متجاورة، والصفحة الأولى أولًا</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="256"/>
        <source>Scan Answer Sheets</source>
        <translation>المسح الضوئي لأوراق الإجابة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="260"/>
        <source>Pages read</source>
        <translation>الصفحات المقروءة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="268"/>
        <source>To review</source>
        <translation>للمراجعة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="274"/>
        <source>Add the scanned sheets: PDF files, PNG, JPEG or TIFF images.</source>
        <translation>أضف الأوراق الممسوحة ضوئيًا: ملفات PDF أو صور PNG أو JPEG أو TIFF.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="279"/>
        <source>&amp;Add Files...</source>
        <translation>إضافة &amp;ملفات...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="280"/>
        <source>Add F&amp;older...</source>
        <translation>إضافة م&amp;جلد...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="281"/>
        <source>&amp;Cancel Reading</source>
        <translation>إ&amp;لغاء القراءة</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="283"/>
        <source>&amp;Grade and Record</source>
        <translation>&amp;تصحيح وتسجيل</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="285"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="299"/>
        <source>To review:</source>
        <translation>للمراجعة:</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="311"/>
        <location filename="../src/ui/scan/ScanForm.cpp" line="312"/>
        <source>lighter marks count</source>
        <translation>احتساب العلامات الأخفّ</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="345"/>
        <source>No print of the test is recorded; its sheets cannot be checked or graded.</source>
        <translation>لا توجد طباعة مسجّلة لهذا الاختبار؛ فلا يمكن فحص أوراقه ولا تصحيحها.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="357"/>
        <source>Add Scanned Sheets</source>
        <translation>إضافة أوراق ممسوحة ضوئيًا</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="358"/>
        <source>Scans|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|All Files|*.*</source>
        <translation>الأوراق الممسوحة ضوئيًا|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|جميع الملفات|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="364"/>
        <source>Add a Folder of Scanned Sheets</source>
        <translation>إضافة مجلد من الأوراق الممسوحة ضوئيًا</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="369"/>
        <source>%1 holds no PDF, PNG, JPEG or TIFF file.</source>
        <translation>لا يحتوي %1 على أي ملف PDF أو PNG أو JPEG أو TIFF.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="465"/>
        <source>Reading... %1 pages read so far.</source>
        <translation>جارٍ القراءة... عدد الصفحات المقروءة حتى الآن: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="495"/>
        <source>%1 pages read, %2 sheets gradable, %3 to review.</source>
        <translation>الصفحات المقروءة: %1، الأوراق القابلة للتصحيح: %2، للمراجعة: %3.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="578"/>
        <source>No doubtful row is left.</source>
        <translation>لم يتبقَّ أي صف مشكوك فيه.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="587"/>
        <source>%1, student number: read as &quot;%2&quot;%3. Type the number written (%4 digits), then Enter. Typed: %5</source>
        <translation>%1، رقم الطالب: قُرئ &quot;%2&quot;%3. اكتب الرقم المكتوب (عدد الخانات: %4)، ثم اضغط Enter. المكتوب: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="593"/>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="599"/>
        <source>%1, question %2: %3. Type the letters marked (A to %4), then Enter. Chosen: %5</source>
        <translation>%1، السؤال %2: %3. اكتب الأحرف المظلّلة (من A إلى %4)، ثم اضغط Enter. المختار: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="605"/>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="684"/>
        <source>%1 sheets were graded.<byte value="xd"/></source>
        <translation>عدد الأوراق التي صُحّحت: %1.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="689"/>
        <source>%1 sheets graded; %2 attempts added to the results.</source>
        <translation>عدد الأوراق المصحّحة: %1؛ وعدد المحاولات المضافة إلى النتائج: %2.</translation>
    </message>
</context>
<context>
    <name>TScreenEdit</name>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="10"/>
        <source>Correct Answers</source>
        <translation>الإجابات الصحيحة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="11"/>
        <source>Pass Rule</source>
        <translation>قاعدة النجاح</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="12"/>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="18"/>
        <source>Media File</source>
        <translation>ملف الوسائط</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="16"/>
        <source>Hot Link</source>
        <translation>الرابط السريع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="20"/>
        <source>Typing</source>
        <translation>الكتابة</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="45"/>
        <source>Invalid time format.  Maximum values are 23:59:59.<byte value="xd"/>Please enter again.</source>
        <translation>تنسيق الوقت غير صالح. القيم القصوى هي 23:59:59.<byte value="xd"/>يُرجى الإدخال مرة أخرى.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="157"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="163"/>
        <source>Global Test Settings</source>
        <translation>إعدادات الاختبار العامة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="176"/>
        <source>Test Description</source>
        <translation>وصف الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="179"/>
        <source>Settings Page 1</source>
        <translation>صفحة الإعدادات 1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="180"/>
        <source>Settings Page 2</source>
        <translation>صفحة الإعدادات 2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="181"/>
        <source>Test Begin Message</source>
        <translation>رسالة بدء الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="182"/>
        <source>Enter anything you would like to tell the student before they begin the test.</source>
        <translation>أدخل ما تودّ إبلاغ الطالب به قبل أن يبدأ الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="185"/>
        <source>Begin Test Message</source>
        <translation>رسالة بدء الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="186"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="190"/>
        <source>Complete Test Message</source>
        <translation>رسالة إتمام الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="187"/>
        <source>Enter anything you would like to tell the student after they complete the test.</source>
        <translation>أدخل ما تودّ إبلاغ الطالب به بعد أن يُتمّ الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="191"/>
        <source>Question Bank</source>
        <translation>بنك الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="223"/>
        <source>Hours : Minutes : Seconds</source>
        <translation>ساعات : دقائق : ثوانٍ</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="226"/>
        <source>More time</source>
        <translation>وقت أطول</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="227"/>
        <source>Less time</source>
        <translation>وقت أقصر</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="230"/>
        <source>Time Allowed (HH:MM:SS)</source>
        <translation>الوقت (س:د:ث)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="234"/>
        <source>E&amp;xtra Time per Student...</source>
        <translation>وقت إ&amp;ضافي لكل طالب...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="246"/>
        <source>Leave blank or set to all zeros if this is not a timed test.</source>
        <translation>اتركه فارغًا أو اجعله أصفارًا إذا لم يكن هذا الاختبار محدّد الوقت.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Show questions in order</source>
        <translation>عرض الأسئلة بالترتيب</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Randomize the questions</source>
        <translation>ترتيب الأسئلة عشوائيًا</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="252"/>
        <source>Questions can be presented to the student in the same order they were prepared or they can be presented at random.</source>
        <translation>يمكن عرض الأسئلة على الطالب بالترتيب نفسه الذي أُعدّت به، أو عرضها بترتيب عشوائي.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Do not allow answer checking</source>
        <translation>عدم السماح بالتحقّق من الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Allow answer checking</source>
        <translation>السماح بالتحقّق من الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="258"/>
        <source>This setting specifies whether or not a student can check answers while the test is being taken.</source>
        <translation>يحدّد هذا الإعداد ما إذا كان الطالب يستطيع التحقّق من الإجابات أثناء أداء الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Can leave answer blank</source>
        <translation>يمكن ترك الإجابة فارغة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Must answer before going to next</source>
        <translation>يجب الإجابة قبل الانتقال إلى التالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="263"/>
        <source>You can require the student to answer a question before moving on to the next, or you can let them leave answers blank.</source>
        <translation>يمكنك أن تُلزم الطالب بالإجابة عن السؤال قبل الانتقال إلى التالي، أو أن تسمح له بترك الإجابات فارغة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="269"/>
        <source>Pass point</source>
        <translation>درجة النجاح</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="273"/>
        <source>This will inform the student if they have passed or failed the test.  Set to zero if you do not want to report pass/fail.</source>
        <translation>يُبلغ هذا الإعداد الطالب بنجاحه أو رسوبه في الاختبار. اجعله صفرًا إذا كنت لا تريد الإبلاغ عن النجاح أو الرسوب.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="279"/>
        <source>Allow student to specify maximum questions</source>
        <translation>السماح للطالب بتحديد الحد الأقصى للأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="281"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="301"/>
        <source>Maximum Questions</source>
        <translation>الحد الأقصى للأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="284"/>
        <source>You can specify that only a subset of all questions are asked.  Set to zero to ask all questions.</source>
        <translation>يمكنك أن تحدّد طرح جزء فقط من الأسئلة. اجعله صفرًا لطرح جميع الأسئلة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Test Time</source>
        <translation>وقت الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Answer Checking</source>
        <translation>التحقّق من الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="294"/>
        <source>Pass Point</source>
        <translation>درجة النجاح</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="299"/>
        <source>Question Ordering</source>
        <translation>ترتيب الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="300"/>
        <source>Answer Requirement</source>
        <translation>اشتراط الإجابة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="313"/>
        <source>Allow hot links during test.</source>
        <translation>السماح بالروابط السريعة أثناء الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="314"/>
        <source>Show references while taking test.</source>
        <translation>عرض المراجع أثناء أداء الاختبار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="315"/>
        <source>Allow hot links during review.</source>
        <translation>السماح بالروابط السريعة أثناء المراجعة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="316"/>
        <source>Show references during review.</source>
        <translation>عرض المراجع أثناء المراجعة.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="318"/>
        <source>While Testing</source>
        <translation>أثناء الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="321"/>
        <source>While Reviewing</source>
        <translation>أثناء المراجعة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="324"/>
        <source>These settings specify if the student can pop-up hot links and view references while taking the test and while reviewing missed questions.</source>
        <translation>تحدّد هذه الإعدادات ما إذا كان الطالب يستطيع فتح الروابط السريعة المنبثقة وعرض المراجع أثناء أداء الاختبار وأثناء مراجعة الأسئلة التي أخطأ فيها.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Non-Scrolling timers</source>
        <translation>مؤقّتات ثابتة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Scrolling timers</source>
        <translation>مؤقّتات متحركة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Do not display timers</source>
        <translation>عدم عرض المؤقّتات</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="332"/>
        <source>This setting specifies the timer type to display (both elapsed timer and test timer)</source>
        <translation>يحدّد هذا الإعداد نوع المؤقّت المعروض (مؤقّت الوقت المنقضي ومؤقّت الاختبار معًا)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="335"/>
        <source>Do not allow test review</source>
        <translation>عدم السماح بمراجعة الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="336"/>
        <source>Allow test review</source>
        <translation>السماح بمراجعة الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="337"/>
        <source>Allow review of skipped questions</source>
        <translation>السماح بمراجعة الأسئلة المتروكة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="341"/>
        <source>This setting specifies whether or not the student can review the test after taking it.</source>
        <translation>يحدّد هذا الإعداد ما إذا كان الطالب يستطيع مراجعة الاختبار بعد أدائه.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="350"/>
        <source>(not set)</source>
        <translation>(غير محدد)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="353"/>
        <source>The language of the test&apos;s text picks the spelling dictionary and lays out Arabic and Hebrew right to left.</source>
        <translation>تحدد لغة نص الاختبار قاموس التدقيق الإملائي، وتعرض العربية والعبرية من اليمين إلى اليسار.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="358"/>
        <source>Hot Links and References</source>
        <translation>الروابط السريعة والمراجع</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="359"/>
        <source>Time Display</source>
        <translation>عرض الوقت</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="360"/>
        <source>Test Review</source>
        <translation>مراجعة الاختبار</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="361"/>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="375"/>
        <source>Note: This entry box is the same size and uses the same font as will be displayed to the student.</source>
        <translation>ملاحظة: يظهر مربع الإدخال هذا بالحجم نفسه والخط نفسه اللذين سيُعرض بهما على الطالب.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Questions asked</source>
        <translation>الأسئلة المطروحة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>One of each tag</source>
        <translation>سؤال من كل وسم</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="390"/>
        <source>Questions asked of each category</source>
        <translation>الأسئلة المطروحة من كل فئة</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="392"/>
        <source>Each student is asked this many questions of each category (and of the categories under it, such as Mechanics/Forces under Mechanics). Leave it empty to use Maximum Questions.</source>
        <translation>يُطرح على كل طالب هذا العدد من الأسئلة من كل فئة (ومن الفئات التي تحتها، مثل الميكانيكا/القوى تحت الميكانيكا). اتركه فارغًا لاستخدام الحد الأقصى للأسئلة.</translation>
    </message>
</context>
<context>
    <name>TTestPrinter</name>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="119"/>
        <source>Page %1</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="6"/>
        <source>questions and answers shuffled</source>
        <translation>خُلطت الأسئلة والإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="7"/>
        <source>questions shuffled</source>
        <translation>خُلطت الأسئلة</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="8"/>
        <source>answers shuffled</source>
        <translation>خُلطت الإجابات</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="9"/>
        <source>nothing shuffled</source>
        <translation>لم يُخلط شيء</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="220"/>
        <source>Seed %1, %2 versions, %3; the test&apos;s question number in brackets</source>
        <extracomment>The note under an answer key; %3 says what was shuffled (&quot;questions shuffled&quot; and the like).</extracomment>
        <translation>البذرة %1، عدد النسخ %2، %3؛ رقم السؤال في الاختبار بين قوسين</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="205"/>
        <source>choose any that apply</source>
        <translation>اختر أيًّا مما ينطبق</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="206"/>
        <source>choose all that apply</source>
        <translation>اختر كل ما ينطبق</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="213"/>
        <source>any</source>
        <extracomment>Beside a key&apos;s letters: one of them is enough.</extracomment>
        <translation>أيٌّ</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="215"/>
        <source>all</source>
        <translation>الكل</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="228"/>
        <source>Version %1</source>
        <translation>النسخة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="233"/>
        <source>Name: ______________________   Date: ____________   Class: ____________</source>
        <extracomment>The line a student fills in at the top of a test&apos;s first page; keep the blanks.</extracomment>
        <translation>الاسم: ______________________   التاريخ: ____________   الصف: ____________</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="260"/>
        <source>Link: %1</source>
        <translation>الرابط: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="394"/>
        <source>question %1: the picture %2 was not found</source>
        <translation>السؤال %1: لم يُعثر على الصورة %2</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="402"/>
        <source>question %1: the picture %2 cannot be read: %3</source>
        <extracomment>%3 is the reason the image reader gives.</extracomment>
        <translation>السؤال %1: تتعذّر قراءة الصورة %2: %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="445"/>
        <source>Answer key, version %1</source>
        <translation>مفتاح الإجابة، النسخة %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="454"/>
        <source>%1: every one of the letters, and no other; %2: one of them is enough, with no wrong letter</source>
        <extracomment>The legend of the marks beside a key&apos;s letters: %1 is the mark &quot;all&quot;, %2 &quot;any&quot;.</extracomment>
        <translation>%1: جميع هذه الأحرف دون غيرها؛ %2: يكفي أحدها، دون أي حرف خاطئ</translation>
    </message>
</context>
<context>
    <name>TjumpForm</name>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="31"/>
        <location filename="../src/ui/maker/JumpForm.cpp" line="33"/>
        <source>Jump To</source>
        <translation>انتقال إلى</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="42"/>
        <source>&amp;Jump</source>
        <translation>ا&amp;نتقال</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="43"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="55"/>
        <source>Bottom</source>
        <translation>الأخير</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="56"/>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="57"/>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="58"/>
        <source>Top</source>
        <translation>الأول</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <location filename="../src/ui/platform/Version.h" line="15"/>
        <source>Quizwell Maker v1.03.  Made by instructors for instructors; free to use for the tests of your students.</source>
        <extracomment>Keep the program&apos;s name and version number as they are.</extracomment>
        <translation>Quizwell Maker v1.03. أعدّه معلّمون للمعلّمين، ويمكنك استخدامه مجانًا في اختبارات طلابك.</translation>
    </message>
</context>
<context>
    <name>WriteOver</name>
    <message>
        <location filename="../src/ui/platform/WriteOver.cpp" line="12"/>
        <source>The test file %1 was changed by another program since it was loaded here.<byte value="xd"/>Write over it? Those changes will be lost.</source>
        <translation>غيّر برنامج آخر ملف الاختبار %1 منذ أن فُتح هنا.<byte value="xd"/>هل تريد الكتابة فوقه؟ ستُفقد تلك التغييرات.</translation>
    </message>
</context>
<context>
    <name>qwtest</name>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="29"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>لأداء الاختبارات الذاتية المُعدّة باستخدام Quizwell Maker.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="33"/>
        <source>Preview the test, recording nothing.</source>
        <translation>معاينة الاختبار دون تسجيل أي شيء.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="35"/>
        <source>The question a preview starts at.</source>
        <translation>السؤال الذي تبدأ منه المعاينة.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="40"/>
        <source>A test file (.QWT) to take.</source>
        <translation>ملف اختبار (.QWT) لأدائه.</translation>
    </message>
</context>
<context>
    <name>qwtestm</name>
    <message>
        <location filename="../src/programs/qwtestm.cpp" line="39"/>
        <source>Quizwell Maker - tests in %1</source>
        <extracomment>The main window&apos;s title when the tests are kept in the user&apos;s home; %1 is that folder.</extracomment>
        <translation>Quizwell Maker - الاختبارات في %1</translation>
    </message>
</context>
</TS>
