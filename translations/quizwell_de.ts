<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="164"/>
        <source>Multiple-choice self-tests,</source>
        <extracomment>The banner&apos;s slogan, in two lines.</extracomment>
        <translation>Multiple-Choice-Selbsttests,</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="165"/>
        <source>written by instructors.</source>
        <translation>von Lehrkräften geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="379"/>
        <source>Self-tests, made simple.</source>
        <translation>Selbsttests – ganz einfach.</translation>
    </message>
</context>
<context>
    <name>EngineServices</name>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="21"/>
        <location filename="../src/ui/platform/EngineServices.cpp" line="40"/>
        <source>&quot;%1&quot; could not be opened.</source>
        <translation>„%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="28"/>
        <source>&quot;%1&quot; is a program. A test may not start programs, so it was not opened.</source>
        <translation>„%1“ ist ein Programm. Ein Test darf keine Programme starten, daher wurde es nicht geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="35"/>
        <source>The file &quot;%1&quot; was not found.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="23"/>
        <source>Question Files|%1</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, %1 the file patterns after it.</extracomment>
        <translation>Fragendateien|%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="24"/>
        <source>All Files|*.*</source>
        <translation>Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="30"/>
        <source>Select Questions to Import</source>
        <translation>Zu importierende Fragen auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="38"/>
        <source>The kind of questions in %1 is not known. Question files end in .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) or .csv.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>Die Art der Fragen in %1 ist unbekannt. Fragendateien enden auf .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) oder .csv.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="47"/>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 what is wrong with it.</extracomment>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="22"/>
        <source>Load a test first.</source>
        <translation>Laden Sie zuerst einen Test.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="28"/>
        <source>qwtest, the student engine, was not found beside the maker in &quot;%1&quot;.</source>
        <translation>qwtest, das Testprogramm für Schüler, wurde nicht neben Quizwell Maker in „%1“ gefunden.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="43"/>
        <source>qwtest could not be started: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>qwtest konnte nicht gestartet werden: %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/programs/Translation.cpp" line="14"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text: &quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left (Arabic).</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="45"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="52"/>
        <source>Answer sheet %1, page %2 of %3</source>
        <translation>Antwortbogen %1, Seite %2 von %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="56"/>
        <source>Answer sheet, page %1 of %2</source>
        <translation>Antwortbogen, Seite %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="72"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="88"/>
        <source>Student number, on every page: write it, then fill one box per column</source>
        <translation>Schülernummer, auf jeder Seite: eintragen, dann je Spalte ein Kästchen ausfüllen</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="91"/>
        <source>Student number: write it, then fill one box per column</source>
        <translation>Schülernummer: eintragen, dann je Spalte ein Kästchen ausfüllen</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="142"/>
        <source>Fill each box you choose fully with a dark pen. To undo a mark, fill its box fully and circle the box you mean.</source>
        <translation>Füllen Sie jedes gewählte Kästchen mit einem dunklen Stift vollständig aus. Um eine Markierung zurückzunehmen, füllen Sie ihr Kästchen vollständig aus und kreisen Sie das gemeinte Kästchen ein.</translation>
    </message>
</context>
<context>
    <name>ShellOpen</name>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="36"/>
        <source>the system gave no reason</source>
        <translation>das System hat keinen Grund genannt</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="59"/>
        <source>it is a folder</source>
        <extracomment>Why a program could not be started.</extracomment>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="75"/>
        <source>No web browser could be opened for this page. To read it, copy its address into a browser:<byte value="xd"/>%1</source>
        <translation>Für diese Seite konnte kein Webbrowser geöffnet werden. Um sie zu lesen, kopieren Sie ihre Adresse in einen Browser:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="27"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Quizwell Client</source>
        <translation>Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>Führt die mit Quizwell Maker erstellten Selbsttests durch.</translation>
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
        <translation>LIZENZVEREINBARUNG FÜR QUIZWELL MAKER

Bitte lesen Sie diese Vereinbarung. Mit der Installation oder
Nutzung von Quizwell Maker („das Autorenprogramm“) erkennen
Sie sie an.

1. Nutzung. Sie dürfen das Autorenprogramm auf den Computern
   installieren, auf denen Sie und Ihre Kolleginnen und
   Kollegen Tests vorbereiten, und damit Tests für beliebig
   viele Schüler schreiben, ändern und umwandeln.

2. Ihre Tests. Die Tests, Fragen, Meldungen, Logos und
   Medien, die Sie mit dem Autorenprogramm erstellen, gehören
   Ihnen. Sie dürfen sie zusammen mit dem Quizwell-
   Testprogramm und dessen Konfigurationsdatei zu beliebigen
   Bedingungen weitergeben.

3. Das Autorenprogramm bleibt bei den Lehrkräften. Es kann
   jeden Test lesen und ändern, auch die Lösungen. Geben Sie
   es nicht mit dem Testprogramm weiter und legen Sie es
   nicht dort ab, wo Schüler es ausführen können.

4. Kopien. Sie dürfen Kopien des Autorenprogramms für die
   oben genannten Zwecke und zur Sicherung anfertigen.
   Bewahren Sie diese Vereinbarung bei jeder Kopie auf. Sie
   dürfen das Autorenprogramm nicht verkaufen oder als Ihr
   eigenes Werk ausgeben.

5. Keine Gewährleistung. Das Autorenprogramm wird „wie
   besehen“ bereitgestellt, ohne ausdrückliche oder
   stillschweigende Gewährleistung jeglicher Art,
   einschließlich der Gewährleistung der Marktgängigkeit und
   der Eignung für einen bestimmten Zweck. Bewahren Sie
   Kopien Ihrer Tests auf.

6. Haftungsbeschränkung. Die Hersteller von Quizwell Maker
   haften in keinem Fall für Schäden, die aus der Nutzung
   oder der Unmöglichkeit der Nutzung des Autorenprogramms
   oder der damit erstellten Tests entstehen, auch wenn sie
   auf die Möglichkeit solcher Schäden hingewiesen wurden.

7. Ende. Diese Vereinbarung endet, wenn Sie das
   Autorenprogramm nicht mehr nutzen und jede Kopie davon
   entfernen.
</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="69"/>
        <location filename="../src/ui/maker/AboutForm.cpp" line="87"/>
        <source>About Quizwell Maker</source>
        <translation>Über Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="82"/>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="98"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TApplyDialog</name>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="34"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="35"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="36"/>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="55"/>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>TBeginBox</name>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="26"/>
        <source>Begin Test</source>
        <translation>Test beginnen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="61"/>
        <source>Questions to take (1 to %1):</source>
        <translation>Zu beantwortende Fragen (1 bis %1):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="64"/>
        <source>All (%1)</source>
        <translation>Alle (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>1 question.</source>
        <translation>1 Frage.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>%n questions.</source>
        <translation>
            <numerusform>%n Frage.</numerusform>
            <numerusform>%n Fragen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="75"/>
        <source>Time limit: %1 (hours:minutes:seconds)</source>
        <translation>Zeitlimit: %1 (Stunden:Minuten:Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="76"/>
        <source>Time limit: none</source>
        <translation>Zeitlimit: keines</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="79"/>
        <source>Pass mark: %1% of the questions right</source>
        <translation>Bestehensgrenze: %1&#xa0;% der Fragen richtig</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="80"/>
        <source>Pass mark: none</source>
        <translation>Bestehensgrenze: keine</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="84"/>
        <source>&amp;Begin</source>
        <translation>&amp;Beginnen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="85"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TCatalogueSearchForm</name>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="21"/>
        <source>Search Tests</source>
        <translation>Tests durchsuchen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="28"/>
        <source>&amp;Find tests holding:</source>
        <translation>&amp;Tests finden, die Folgendes enthalten:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="31"/>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="38"/>
        <source>Tests found</source>
        <translation>Gefundene Tests</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="48"/>
        <source>&amp;Open in the Editor</source>
        <translation>Im &amp;Editor öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="50"/>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="70"/>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Found in %1 places</source>
        <translation>An %1 Stellen gefunden</translation>
    </message>
</context>
<context>
    <name>TClassroomForm</name>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="37"/>
        <source>finished</source>
        <translation>fertig</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="38"/>
        <source>joined</source>
        <translation>beigetreten</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="39"/>
        <source>question %1 of %2</source>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="47"/>
        <source>left the page %1×, %2 s</source>
        <extracomment>How often and how long a student left the test&apos;s page; %1 is the count, %2 the seconds.</extracomment>
        <translation>Seite %1× verlassen, %2 s</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="109"/>
        <source>Classroom</source>
        <translation>Klassenzimmer</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="112"/>
        <source>Open in a browser:</source>
        <translation>Im Browser öffnen:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="121"/>
        <source>QR code of the address</source>
        <translation>QR-Code der Adresse</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Away</source>
        <translation>Abwesenheit</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="136"/>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="158"/>
        <source>&amp;Hold the review until the test ends</source>
        <translation>&amp;Durchsicht erst nach Testende freigeben</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="160"/>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Show &amp;Scores</source>
        <translation>&amp;Punkte anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="161"/>
        <source>&amp;End Test</source>
        <translation>Test &amp;beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="162"/>
        <source>End Sessio&amp;n</source>
        <translation>Sitzung be&amp;enden</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="172"/>
        <source>the test folder&apos;s Results.sqlite, or postgresql://...</source>
        <extracomment>Keep the file name Results.sqlite and postgresql:// as they are.</extracomment>
        <translation>Results.sqlite im Testordner oder postgresql://...</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="173"/>
        <source>Results s&amp;tore:</source>
        <translation>Ergebnis&amp;speicher:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="175"/>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="208"/>
        <source>%1 has no questions to run in a classroom.</source>
        <translation>%1 enthält keine Fragen für das Klassenzimmer.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="221"/>
        <source>%1<byte value="xd"/>This session stores into the test folder&apos;s Results.sqlite until another store is used.</source>
        <extracomment>%1 is the reason the saved store could not be opened.</extracomment>
        <translation>%1<byte value="xd"/>Diese Sitzung speichert in Results.sqlite im Testordner, bis ein anderer Speicher verwendet wird.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="230"/>
        <source>Classroom - %1</source>
        <translation>Klassenzimmer - %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="239"/>
        <source>Port %1 is in use by another program, so this session uses port %2.</source>
        <translation>Port %1 wird von einem anderen Programm belegt, daher verwendet diese Sitzung Port %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="246"/>
        <source>port %1 of this computer</source>
        <translation>Port %1 dieses Computers</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="247"/>
        <source>This computer has no network: connect it to the room&apos;s network, then open the classroom again.</source>
        <translation>Dieser Computer hat kein Netzwerk: Verbinden Sie ihn mit dem Netzwerk des Raums und öffnen Sie dann das Klassenzimmer erneut.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="254"/>
        <source>Room code: %1</source>
        <translation>Raumcode: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="271"/>
        <source>The classroom cannot listen on %1: no port is free.</source>
        <translation>Das Klassenzimmer kann auf %1 keine Verbindungen annehmen: Kein Port ist frei.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="289"/>
        <source>Results go to %1</source>
        <translation>Ergebnisse werden in %1 gespeichert</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="307"/>
        <source>Students have joined, so this session keeps its store. End the session and open the classroom again to use another.</source>
        <translation>Es sind bereits Schüler beigetreten, daher behält diese Sitzung ihren Ergebnisspeicher. Beenden Sie die Sitzung und öffnen Sie das Klassenzimmer erneut, um einen anderen zu verwenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="351"/>
        <source>%1%</source>
        <extracomment>A percentage; the number is %1.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="365"/>
        <source>%1 joined, %2 answering, %3 finished</source>
        <translation>%1 beigetreten, %2 beim Antworten, %3 fertig</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="383"/>
        <source>%1 asks to continue on another device</source>
        <translation>%1 möchte auf einem anderen Gerät fortfahren</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="384"/>
        <source>Allow</source>
        <translation>Zulassen</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="385"/>
        <source>Refuse</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="403"/>
        <source>A student&apos;s request failed at %1: %2</source>
        <translation>Eine Anfrage eines Schülers ist um %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Hide &amp;Scores</source>
        <translation>&amp;Punkte ausblenden</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="416"/>
        <source>1 student is still answering.</source>
        <translation>1 Schüler antwortet noch.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="417"/>
        <source>%n students are still answering.</source>
        <translation>
            <numerusform>%n Schüler antwortet noch.</numerusform>
            <numerusform>%n Schüler antworten noch.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="425"/>
        <source>%1 %2<byte value="xd"/>Their answers so far are scored and stored.</source>
        <extracomment>%1 says how many students are still answering, %2 asks whether to end their tests.</extracomment>
        <translation>%1 %2<byte value="xd"/>Die bisherigen Antworten werden bewertet und gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="432"/>
        <source>End the test for everyone?<byte value="xd"/>Answers so far are scored and stored, and nobody can begin any more.</source>
        <translation>Den Test für alle beenden?<byte value="xd"/>Die bisherigen Antworten werden bewertet und gespeichert, und niemand kann mehr beginnen.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="440"/>
        <source>End their tests and the session?</source>
        <translation>Die laufenden Tests und die Sitzung beenden?</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="443"/>
        <source>The session has ended. The results are in the Results window.</source>
        <translation>Die Sitzung ist beendet. Die Ergebnisse finden Sie im Fenster „Ergebnisse“.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="466"/>
        <source>End their tests and close the classroom?</source>
        <translation>Die laufenden Tests beenden und das Klassenzimmer schließen?</translation>
    </message>
</context>
<context>
    <name>TClientForm</name>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="38"/>
        <source>Bitmap Files (BMP)|*.BMP</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, the pattern after it kept.</extracomment>
        <translation>Bitmap-Dateien (BMP)|*.BMP</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="82"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="84"/>
        <source>Client Configuration</source>
        <translation>Client-Konfiguration</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="93"/>
        <source>These settings effect the entire Quizwell engine.    You must include the QWTEST.CFG file with the Quizwell engine for these settings to take effect.</source>
        <translation>Diese Einstellungen gelten für das gesamte Quizwell-Testprogramm.    Die Datei QWTEST.CFG muss zusammen mit dem Quizwell-Testprogramm weitergegeben werden, damit diese Einstellungen wirksam werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="98"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="161"/>
        <source>Custom Logo</source>
        <translation>Eigenes Logo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="99"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="209"/>
        <source>Custom About Box</source>
        <translation>Eigenes Infofenster</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="100"/>
        <source>Client Behavior</source>
        <translation>Verhalten des Clients</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="101"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="143"/>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="164"/>
        <source>You can customize the appearance of the tests you distribute by adding your own logo to the interface. </source>
        <translation>Sie können das Erscheinungsbild der Tests, die Sie verteilen, anpassen, indem Sie der Oberfläche Ihr eigenes Logo hinzufügen. </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="173"/>
        <source>Place the bitmap (.bmp extension) file into the same directory that will contain the Quizwell files. The bitmap can be 139 pixels high x 471 pixels wide.</source>
        <translation>Legen Sie die Bitmap-Datei (Endung .bmp) in den Ordner, der auch die Quizwell-Dateien enthalten wird. Die Bitmap kann 139 Pixel hoch und 471 Pixel breit sein.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="176"/>
        <source>To ensure compatibility with the video capabilities of the computer it will be viewed on, the graphic should be composed in 16 or 256 colors using the standard Windows palette. </source>
        <translation>Damit die Grafik mit den Grafikfähigkeiten des Computers, auf dem sie angezeigt wird, verträglich ist, sollte sie mit 16 oder 256 Farben in der Standard-Windows-Palette erstellt werden. </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="179"/>
        <source>You should experiment with a variety of color settings to see what works best.</source>
        <translation>Probieren Sie verschiedene Farbeinstellungen aus, um herauszufinden, was am besten wirkt.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="187"/>
        <source>Use custom About Box</source>
        <translation>Eigenes Infofenster verwenden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="188"/>
        <source>Do not use custom About Box</source>
        <translation>Kein eigenes Infofenster verwenden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="189"/>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="191"/>
        <source>Custom message for about box (shown actual size)</source>
        <translation>Eigene Nachricht für das Infofenster (in Originalgröße dargestellt)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="199"/>
        <source>Web page URL</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="212"/>
        <source>You can have your own &quot;About&quot; box from the &quot;Help&quot; menu.  You can have your own custom message in this about box.  The logo displayed will be the same as specified on the &quot;Custom Logo&quot; tab.</source>
        <translation>Sie können im Menü „Hilfe“ ein eigenes Fenster „Info“ anbieten.  In diesem Infofenster können Sie eine eigene Nachricht zeigen.  Als Logo wird dasselbe angezeigt, das auf der Registerkarte „Eigenes Logo“ festgelegt ist.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="227"/>
        <source>Enable Full Screen mode.</source>
        <translation>Vollbildmodus aktivieren.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="228"/>
        <source>Require test history password</source>
        <translation>Kennwort für den Testverlauf verlangen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="229"/>
        <source>Require exit password</source>
        <translation>Kennwort zum Beenden verlangen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="230"/>
        <source>History Password</source>
        <translation>Kennwort für den Verlauf</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="231"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="268"/>
        <source>Exit Password</source>
        <translation>Kennwort zum Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="256"/>
        <source>Full Screen Mode</source>
        <translation>Vollbildmodus</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="257"/>
        <source>Full screen mode forces Quizwell to occupy the student&apos;s entire screen and only allows the student to use Quizwell and no other programs.</source>
        <translation>Im Vollbildmodus belegt Quizwell den gesamten Bildschirm des Schülers, und der Schüler kann nur Quizwell und keine anderen Programme verwenden.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="262"/>
        <source>Test history Lock</source>
        <translation>Sperre des Testverlaufs</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="263"/>
        <source>You can allow the student to view their test history or lock test history so a password is required.</source>
        <translation>Sie können dem Schüler erlauben, seinen Testverlauf anzusehen, oder den Testverlauf so sperren, dass ein Kennwort nötig ist.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="269"/>
        <source>You can require a password to exit Quizwell.</source>
        <translation>Sie können zum Beenden von Quizwell ein Kennwort verlangen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="277"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="351"/>
        <source>Results Folder</source>
        <translation>Ergebnisordner</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="280"/>
        <source>Every finished test is kept in the results beside the test. Where the student&apos;s computer cannot write there (a computer lab), the result is left as a small file in this folder instead, and File, Results... collects it from there.</source>
        <translation>Jeder abgeschlossene Test wird in den Ergebnissen neben dem Test gespeichert. Wo der Computer des Schülers dort nicht schreiben kann (etwa in einem Computerraum), bleibt das Ergebnis stattdessen als kleine Datei in diesem Ordner, und Datei, Ergebnisse... holt es von dort ab.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="284"/>
        <source>B&amp;rowse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="291"/>
        <source>Use a shared folder every student computer can write to. Make it a drop folder (mode 1733) so students cannot read each other&apos;s results; Help, Results tells how. A result that can be kept in neither place waits on the student&apos;s computer until the next start.</source>
        <translation>Verwenden Sie einen freigegebenen Ordner, in den jeder Schülercomputer schreiben kann. Richten Sie ihn als Abgabeordner ein (Modus 1733), damit Schüler die Ergebnisse der anderen nicht lesen können; unter Hilfe, Ergebnisse steht, wie das geht. Ein Ergebnis, das an keinem der beiden Orte gespeichert werden kann, wartet auf dem Computer des Schülers bis zum nächsten Start.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="372"/>
        <source>The engine looks for the logo in its own folder, %1, and will not find %2 where it is.<byte value="xd"/>Copy it into that folder?</source>
        <extracomment>%1 is the engine&apos;s folder, %2 the picture&apos;s file name.</extracomment>
        <translation>Das Testprogramm sucht das Logo in seinem eigenen Ordner, %1, und findet %2 am jetzigen Ort nicht.<byte value="xd"/>In diesen Ordner kopieren?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="380"/>
        <source>A file named %1 is in %2 already.<byte value="xd"/>Replace it with the picture picked?</source>
        <translation>In %2 gibt es bereits eine Datei namens %1.<byte value="xd"/>Durch das gewählte Bild ersetzen?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="426"/>
        <source>The file &quot;%1&quot; could not be read as a picture; the built-in logo is shown.</source>
        <translation>Die Datei „%1“ konnte nicht als Bild gelesen werden; das eingebaute Logo wird angezeigt.</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="69"/>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="88"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="100"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="92"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="104"/>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="174"/>
        <source>These characters cannot be stored in a test file: %1.<byte value="xd"/>Store them as &quot;?&quot; and go on?</source>
        <translation>Diese Zeichen können in einer Testdatei nicht gespeichert werden: %1.<byte value="xd"/>Als „?“ speichern und fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="188"/>
        <source>%1 is the file %2 is made from: it cannot also be the output.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>%1 ist die Datei, aus der %2 erstellt wird: Sie kann nicht zugleich die Ausgabe sein.<byte value="xd"/>Wählen Sie einen anderen Namen. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="192"/>
        <source>%1 cannot be written: %2.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>%1 kann nicht geschrieben werden: %2.<byte value="xd"/>Wählen Sie einen anderen Namen. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="205"/>
        <source>An unexpected error ended the action.</source>
        <translation>Ein unerwarteter Fehler hat die Aktion abgebrochen.</translation>
    </message>
</context>
<context>
    <name>TDuplicatesForm</name>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="24"/>
        <source>Duplicate Questions</source>
        <translation>Doppelte Fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="30"/>
        <source>Questions typed twice</source>
        <translation>Doppelt eingegebene Fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="32"/>
        <source>Each group lists its questions by test and number; activate one to edit it</source>
        <translation>Jede Gruppe führt ihre Fragen nach Test und Nummer auf; aktivieren Sie eine, um sie zu bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="49"/>
        <source>No question is typed twice in these tests.</source>
        <translation>In diesen Tests ist keine Frage doppelt eingegeben.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="50"/>
        <source>&amp;Questions typed twice (double-click one to edit it there):</source>
        <translation>Doppelt eingegebene &amp;Fragen (zum Bearbeiten doppelklicken):</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="59"/>
        <source> (answers %1)</source>
        <translation> (Antworten %1)</translation>
    </message>
</context>
<context>
    <name>TEndForm</name>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="13"/>
        <source>Score: %1 of %2 right (%3%)</source>
        <translation>Ergebnis: %1 von %2 richtig (%3&#xa0;%)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="18"/>
        <source>Test Finished</source>
        <translation>Test beendet</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="28"/>
        <source>Time ran out.</source>
        <translation>Die Zeit ist abgelaufen.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Failed</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="42"/>
        <source>Pass point: %1%</source>
        <translation>Bestehensgrenze: %1&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="45"/>
        <source>Time taken: %1</source>
        <extracomment>%1 is hours:minutes:seconds.</extracomment>
        <translation>Benötigte Zeit: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="48"/>
        <source>&amp;Review Answers</source>
        <translation>Antworten &amp;durchsehen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="49"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="54"/>
        <source>&amp;Open Test...</source>
        <translation>Test ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="55"/>
        <source>&amp;Refresh List</source>
        <translation>Liste &amp;aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="56"/>
        <source>Test &amp;History...</source>
        <translation>&amp;Testverlauf...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="58"/>
        <location filename="../src/ui/engine/EngineForm.cpp" line="77"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="59"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="60"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="63"/>
        <source>&amp;About...</source>
        <translation>In&amp;fo...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="70"/>
        <source>Choose a test and press Start:</source>
        <translation>Wählen Sie einen Test und klicken Sie auf „Starten“:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="72"/>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="75"/>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="76"/>
        <source>His&amp;tory</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="138"/>
        <source>The test file &quot;%1&quot; no longer exists.</source>
        <translation>Die Testdatei „%1“ existiert nicht mehr.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="145"/>
        <source>Open Test</source>
        <translation>Test öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="147"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Quizwell-Dateien|*.QWT|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="161"/>
        <source>You have extra time for this test: %1 instead of %2.</source>
        <translation>Sie haben für diesen Test mehr Zeit: %1 statt %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="183"/>
        <source>&quot;%1&quot; holds no questions.</source>
        <translation>„%1“ enthält keine Fragen.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="201"/>
        <source>%1 (preview)</source>
        <translation>%1 (Vorschau)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="211"/>
        <source>Your history file was damaged. It is kept as &quot;%1&quot;, and a new history was started with this test.</source>
        <translation>Ihre Verlaufsdatei war beschädigt. Sie wird als „%1“ aufbewahrt, und mit diesem Test wurde ein neuer Verlauf begonnen.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="215"/>
        <source>Your test was scored, but it could not be added to your history.<byte value="xd"/>%1</source>
        <translation>Ihr Test wurde bewertet, konnte aber nicht in Ihren Verlauf aufgenommen werden.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="254"/>
        <source>Your test was scored, but the result could not be saved for your teacher.<byte value="xd"/>%1</source>
        <translation>Ihr Test wurde bewertet, aber das Ergebnis konnte nicht für Ihre Lehrkraft gespeichert werden.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Student Name</source>
        <translation>Name des Schülers</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Your name, for your test history (you may leave it empty):</source>
        <translation>Ihr Name für Ihren Testverlauf (Sie können das Feld leer lassen):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Student Number</source>
        <translation>Schülernummer</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Your student number, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>Ihre Schülernummer für die Ergebnisse Ihrer Lehrkraft (Sie können das Feld leer lassen):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Class</source>
        <extracomment>The student&apos;s class (group) at school.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Your class, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>Ihre Klasse für die Ergebnisse Ihrer Lehrkraft (Sie können das Feld leer lassen):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="293"/>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="296"/>
        <source>Wrong password.</source>
        <translation>Falsches Kennwort.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="301"/>
        <source>Test History</source>
        <translation>Testverlauf</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="324"/>
        <source>Exit</source>
        <extracomment>Title of the password question asked before the program closes.</extracomment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TExtraTimeForm</name>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="21"/>
        <source>line %1: no &apos;=&apos; between the name and the factor</source>
        <extracomment>%1 is a line&apos;s number in the list.</extracomment>
        <translation>Zeile %1: kein ‚=‘ zwischen Name und Faktor</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="23"/>
        <source>line %1: no name</source>
        <translation>Zeile %1: kein Name</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="28"/>
        <source>line %1: the factor is not a number from 1 to %2</source>
        <extracomment>%1 is a line&apos;s number in the list; %2 the largest factor.</extracomment>
        <translation>Zeile %1: Der Faktor ist keine Zahl von 1 bis %2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="39"/>
        <source>Extra Time per Student</source>
        <translation>Zusatzzeit je Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="42"/>
        <source>&amp;Students given extra time, one a line as NAME=FACTOR, for example &quot;Ann Lee=1.25&quot; for a quarter more time (factors from 1 to 4). The name is matched as the student types it, letter case aside. The list is kept beside the test, in %1.</source>
        <translation>&amp;Schüler mit Zusatzzeit, einer je Zeile als NAME=FAKTOR, zum Beispiel „Ann Lee=1.25“ für ein Viertel mehr Zeit (Faktoren von 1 bis 4). Der Name wird so verglichen, wie der Schüler ihn eingibt; Groß- und Kleinschreibung spielen keine Rolle. Die Liste wird neben dem Test in %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="51"/>
        <source>Students given extra time</source>
        <translation>Schüler mit Zusatzzeit</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="52"/>
        <source>One student a line: the name, an equals sign and the factor</source>
        <translation>Ein Schüler je Zeile: der Name, ein Gleichheitszeichen und der Faktor</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="78"/>
        <source>These lines do not read, so the list was not saved:<byte value="xd"/>%1</source>
        <translation>Diese Zeilen sind nicht lesbar, daher wurde die Liste nicht gespeichert:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="28"/>
        <source>There is nothing to replace.</source>
        <translation>Es gibt nichts zu ersetzen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="47"/>
        <source>Hot link parameters</source>
        <translation>Hotlink-Parameter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="52"/>
        <source>Answer %1</source>
        <extracomment>A field of a question in the list of hits; %1 is its letter.</extracomment>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="60"/>
        <source>Question %1, %2:  %3</source>
        <translation>Frage %1, %2:  %3</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="75"/>
        <source>Fin&amp;d:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="77"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="79"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="80"/>
        <source>Next hit (Enter)</source>
        <translation>Nächster Treffer (Enter)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="84"/>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="85"/>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="95"/>
        <source>Re&amp;place:</source>
        <translation>Ersetzen dur&amp;ch:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="97"/>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="99"/>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="100"/>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="111"/>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="112"/>
        <source>&amp;Whole words</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="113"/>
        <source>Regular e&amp;xpression</source>
        <translation>Regulärer A&amp;usdruck</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="121"/>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="41"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="123"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="305"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="124"/>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="43"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="125"/>
        <source>Reference</source>
        <translation>Fundstelle</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="45"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="126"/>
        <source>Hot link</source>
        <translation>Hotlink</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="49"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="127"/>
        <source>Media file</source>
        <translation>Mediendatei</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="138"/>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="221"/>
        <source>Not a regular expression: %1</source>
        <extracomment>%1 is the fault the regular expression library found.</extracomment>
        <translation>Kein gültiger regulärer Ausdruck: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="225"/>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>1 hit</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>%1 hits</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="265"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="290"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="298"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="318"/>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="302"/>
        <source>1 field will change:</source>
        <translation>1 Feld wird geändert:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="303"/>
        <source>%1 fields will change:</source>
        <translation>%1 Felder werden geändert:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="306"/>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="307"/>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="308"/>
        <source>After replacing</source>
        <translation>Nach dem Ersetzen</translation>
    </message>
</context>
<context>
    <name>TGradeForm</name>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="80"/>
        <source>1 version</source>
        <translation>1 Version</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="81"/>
        <source>%n versions</source>
        <translation>
            <numerusform>%n Version</numerusform>
            <numerusform>%n Versionen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="94"/>
        <source>the earlier print (seed %1, %2, %3, questions drawn from the blueprint)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>dem früheren Druck (Startwert %1, %2, %3, Fragen nach dem Bauplan gezogen)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="99"/>
        <source>the earlier print (seed %1, %2, %3)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>dem früheren Druck (Startwert %1, %2, %3)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="106"/>
        <source>run %1 (printed %2, seed %3, %4, %5, questions drawn from the blueprint)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>Drucklauf %1 (gedruckt am %2, Startwert %3, %4, %5, Fragen nach dem Bauplan gezogen)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="111"/>
        <source>run %1 (printed %2, seed %3, %4, %5)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>Drucklauf %1 (gedruckt am %2, Startwert %3, %4, %5)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="119"/>
        <source>1 attempt was recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>1 Versuch wurde in %1 eingetragen.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="122"/>
        <source>%n attempts were recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>%n Versuch wurde in %1 eingetragen.</numerusform>
            <numerusform>%n Versuche wurden in %1 eingetragen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="126"/>
        <source>1 attempt was recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>1 Versuch wurde in %1 eingetragen; 1 war bereits vorhanden.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="130"/>
        <source>1 attempt was recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>1 Versuch wurde in %1 eingetragen; %2 waren bereits vorhanden.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="134"/>
        <source>%n attempts were recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>%n Versuch wurde in %1 eingetragen; 1 war bereits vorhanden.</numerusform>
            <numerusform>%n Versuche wurden in %1 eingetragen; 1 war bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="138"/>
        <source>%n attempts were recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>
            <numerusform>%n Versuch wurde in %1 eingetragen; %2 waren bereits vorhanden.</numerusform>
            <numerusform>%n Versuche wurden in %1 eingetragen; %2 waren bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="147"/>
        <source>row %1, %2: not graded, questions in doubt (%3); decide them and grade the sheet again</source>
        <extracomment>%1 is the row of the answers file, %2 the sheet&apos;s name, %3 its questions in doubt (&quot;12 17&quot;).</extracomment>
        <translation>Zeile %1, %2: nicht ausgewertet, zweifelhafte Fragen (%3); entscheiden Sie diese und werten Sie den Bogen erneut aus</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="155"/>
        <source>the seed and options given (seed %1)</source>
        <translation>dem angegebenen Startwert und den angegebenen Einstellungen (Startwert %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="159"/>
        <source>The sheets fit %1 far better than %2: %3 of %4 answers (%5%) are right there, against %6 (%7%) here. Grade them with the run they were printed in.</source>
        <extracomment>%1 and %2 name runs; of %4 answers, %3 (%5 percent) are right under the first, %6 (%7 percent) under the second.</extracomment>
        <translation>Die Bögen passen weit besser zu %1 als zu %2: Dort sind %3 von %4 Antworten (%5&#xa0;%) richtig, hier dagegen %6 (%7&#xa0;%). Werten Sie sie mit dem Drucklauf aus, in dem sie gedruckt wurden.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="171"/>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="172"/>
        <source>the test&apos;s own order, nothing shuffled</source>
        <translation>die eigene Reihenfolge des Tests, nichts gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="175"/>
        <source>%1 of %2 sheets score far better under another key than under the key of their own version: %3 scores %4% as version %5 and %6% under the key of %7. Check the version letters typed.</source>
        <extracomment>%1 of %2 sheets; %3 is a sheet&apos;s name, %4 its percent as its version %5, %6 its percent under the key of %7 (another version, or the test&apos;s own order).</extracomment>
        <translation>%1 von %2 Bögen erzielen mit einem anderen Lösungsschlüssel weit bessere Ergebnisse als mit dem ihrer eigenen Version: %3 erreicht %4&#xa0;% als Version %5 und %6&#xa0;% mit dem Lösungsschlüssel für %7. Prüfen Sie die eingegebenen Versionsbuchstaben.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="188"/>
        <source>The test was changed after %1 was printed: the sheets are graded with its questions and keys as they are now.</source>
        <extracomment>%1 names the run.</extracomment>
        <translation>Der Test wurde nach %1 geändert: Die Bögen werden mit seinen Fragen und Lösungen im jetzigen Stand ausgewertet.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="47"/>
        <source>Grade Answers</source>
        <translation>Antworten auswerten</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Shuffled</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="52"/>
        <source>Print runs</source>
        <translation>Druckläufe</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="56"/>
        <source>Print r&amp;uns:</source>
        <translation>Druck&amp;läufe:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="59"/>
        <source>&amp;Number of versions:</source>
        <translation>&amp;Anzahl der Versionen:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="63"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="65"/>
        <source>Questions shuffled</source>
        <translation>Fragen gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="67"/>
        <source>Answers shuffled</source>
        <translation>Antworten gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="76"/>
        <source>No answers file chosen.</source>
        <translation>Keine Antwortdatei gewählt.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="77"/>
        <source>Answers:</source>
        <translation>Antworten:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Asked</source>
        <translation>Gestellt</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="82"/>
        <source>Results by student</source>
        <translation>Ergebnisse nach Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="85"/>
        <source>Results by question</source>
        <translation>Ergebnisse nach Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="89"/>
        <source>&amp;Open Answers...</source>
        <translation>Antworten ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="90"/>
        <source>&amp;Grade Again</source>
        <translation>&amp;Erneut auswerten</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="91"/>
        <source>Sa&amp;ve as CSV...</source>
        <translation>Als &amp;CSV speichern...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="92"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="93"/>
        <source>&amp;Record in Results</source>
        <translation>In die Ergebnisse ü&amp;bernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="126"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>Die verzeichneten Druckläufe können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="134"/>
        <source>earlier</source>
        <translation>früher</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="146"/>
        <source>Choose the run the sheets were printed in. Give the seed, versions and shuffles only for a print that is not listed.</source>
        <translation>Wählen Sie den Drucklauf, in dem die Bögen gedruckt wurden. Geben Sie Startwert, Versionen und Mischung nur für einen Druck an, der nicht aufgeführt ist.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="150"/>
        <source>No print of this test is on record: give the seed, the number of versions and the shuffles it was printed with.</source>
        <translation>Für diesen Test ist kein Druck verzeichnet: Geben Sie den Startwert, die Anzahl der Versionen und die Mischung an, mit denen er gedruckt wurde.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <source>Select Answers to Grade</source>
        <translation>Auszuwertende Antworten auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>CSV Files|*.csv|All Files|*.*</source>
        <translation>CSV-Dateien|*.csv|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="216"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>Der Startwert muss eine ganze Zahl mit höchstens 18 Ziffern sein.</translation>
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
        <translation>Die Bögen passen weit besser zu %1 als zu dem Drucklauf, mit dem sie ausgewertet wurden. Diese Ergebnisse trotzdem übernehmen?</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>Save Results as CSV</source>
        <translation>Ergebnisse als CSV speichern</translation>
    </message>
</context>
<context>
    <name>THelpTopicWindow</name>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="29"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="30"/>
        <source>Making and running a test</source>
        <translation>Einen Test erstellen und durchführen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="31"/>
        <source>The main window</source>
        <translation>Das Hauptfenster</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="32"/>
        <source>Questions and answers</source>
        <translation>Fragen und Antworten</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="33"/>
        <source>Hot links, media files and Jump To</source>
        <translation>Hotlinks, Mediendateien und Springen zu</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="35"/>
        <source>Global test settings</source>
        <translation>Globale Testeinstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="36"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="37"/>
        <source>Classroom</source>
        <translation>Klassenzimmer</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="38"/>
        <source>Client configuration</source>
        <translation>Client-Konfiguration</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="39"/>
        <source>Taking a test with Quizwell Client</source>
        <translation>Einen Test mit Quizwell Client bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="41"/>
        <source>Help for students</source>
        <translation>Hilfe für Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="42"/>
        <source>Paper tests: printing and grading</source>
        <translation>Papiertests: Drucken und Auswerten</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="44"/>
        <source>Scanning answer sheets</source>
        <translation>Antwortbögen scannen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="45"/>
        <source>Importing and exporting questions</source>
        <translation>Fragen importieren und exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="46"/>
        <source>Files the maker writes</source>
        <translation>Dateien, die Quizwell Maker schreibt</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="47"/>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="48"/>
        <source>About Quizwell Maker</source>
        <translation>Über Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="61"/>
        <source>Quizwell Client Help</source>
        <translation>Hilfe zu Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="62"/>
        <source>Quizwell Maker Help</source>
        <translation>Hilfe zu Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="66"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="68"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="71"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="18"/>
        <source>Test History</source>
        <translation>Testverlauf</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Time taken</source>
        <translation>Benötigte Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="33"/>
        <source>%1%</source>
        <extracomment>A percentage; the number is %1.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="44"/>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="45"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="59"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>CSV-Dateien|*.CSV|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="61"/>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
</context>
<context>
    <name>TLossReportForm</name>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="16"/>
        <source>What was not carried over</source>
        <translation>Was nicht übernommen wurde</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="31"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>TMMediaForm</name>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="24"/>
        <source>Media file should contain a valid extension of... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>or a FACTVAULT query.<byte value="xd"/><byte value="xd"/>If not, then an attempt to launch the file will be made.</source>
        <translation>Die Mediendatei sollte eine gültige Endung haben, also... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>oder eine FACTVAULT-Abfrage sein.<byte value="xd"/><byte value="xd"/>Andernfalls wird versucht, die Datei zu starten.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="49"/>
        <source>Media File Parameters</source>
        <translation>Mediendatei-Parameter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="51"/>
        <source>Media file to display</source>
        <translation>Anzuzeigende Mediendatei</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="60"/>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="62"/>
        <source>Use internal viewer (AVI, BMP, TXT, RTF, WAV files only)</source>
        <translation>Internes Anzeigeprogramm verwenden (nur AVI-, BMP-, TXT-, RTF- und WAV-Dateien)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="66"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="67"/>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="68"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="81"/>
        <source>Supported media file types are; AVI - Windows Video, BMP - Bitmap, RTF - Rich Text, TXT - Plain Text, and WAV - Audio.</source>
        <translation>Unterstützte Mediendateitypen sind: AVI – Windows-Video, BMP – Bitmap, RTF – Rich Text, TXT – Nur-Text und WAV – Audio.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="83"/>
        <source>You can also perform a FactVault(tm) query.  To do so enter: FACTVAULT:Query String.  See help for more information.</source>
        <translation>Sie können auch eine FactVault(tm)-Abfrage ausführen.  Geben Sie dazu FACTVAULT:Suchbegriff ein.  Weitere Informationen finden Sie in der Hilfe.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="85"/>
        <source>Simply entering a file name will make Quizwell look in the same folder that it is running in.  You can also provide a relative path using \.  </source>
        <translation>Wenn Sie nur einen Dateinamen eingeben, sucht Quizwell in dem Ordner, aus dem es ausgeführt wird.  Sie können mit \ auch einen relativen Pfad angeben.  </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="87"/>
        <source>For example, &quot;\MEDIA\SOUND.WAV&quot; would look in the media folder under the folder that Quizwell is running from for the file sound.wav</source>
        <translation>So würde zum Beispiel „\MEDIA\SOUND.WAV“ im Ordner „media“ unterhalb des Ordners, aus dem Quizwell ausgeführt wird, nach der Datei sound.wav suchen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="34"/>
        <source>Test is not loaded.  Create a new test or load an existing one.</source>
        <translation>Kein Test geladen.  Erstellen oder laden Sie einen Test.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="38"/>
        <source>Test is not loaded. Create a new test or load an existing one.</source>
        <translation>Kein Test geladen. Erstellen Sie einen neuen Test oder laden Sie einen vorhandenen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="42"/>
        <source>Please make your selection now.</source>
        <translation>Bitte treffen Sie jetzt Ihre Auswahl.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="392"/>
        <source>A test file with that name exists!<byte value="xd"/>Overwrite existing test file?</source>
        <translation>Eine Testdatei mit diesem Namen ist bereits vorhanden!<byte value="xd"/>Vorhandene Testdatei überschreiben?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="398"/>
        <source>The test file %1 could not be replaced: %2.<byte value="xd"/>Nothing was changed.</source>
        <extracomment>%1 is the test&apos;s file, %2 why it could not be replaced.</extracomment>
        <translation>Die Testdatei %1 konnte nicht ersetzt werden: %2.<byte value="xd"/>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Specify the filename for the new test</source>
        <translation>Geben Sie den Dateinamen für den neuen Test an</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Quizwell Files|*.QWT</source>
        <translation>Quizwell-Dateien|*.QWT</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="67"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <translation>Quizwell-Dateien|*.QWT|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Select Text File to Encrypt</source>
        <translation>Zu verschlüsselnde Textdatei auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Unencrypted Test files|*.TXT|All Files|*.*</source>
        <translation>Unverschlüsselte Testdateien|*.TXT|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Select Test Name to Save to</source>
        <translation>Testnamen zum Speichern auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Test Files|*.QWT|All Files|*.*</source>
        <translation>Testdateien|*.QWT|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Select Test to Decrypt</source>
        <translation>Zu entschlüsselnden Test auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Encrypted Test Files|*.QWT|All Files|*.*</source>
        <translation>Verschlüsselte Testdateien|*.QWT|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Select Text File to Save to</source>
        <translation>Textdatei zum Speichern auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Text Files|*.TXT|All Files|*.*</source>
        <translation>Textdateien|*.TXT|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="76"/>
        <source>Application Files|*.EXE|All Files|*.*</source>
        <translation>Programmdateien|*.EXE|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="79"/>
        <source>Export Questions to</source>
        <translation>Fragen exportieren nach</translation>
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
        <translation>&amp;Neuer Test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="123"/>
        <source>&amp;Load Test</source>
        <translation>Test &amp;laden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="124"/>
        <source>E&amp;xit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="130"/>
        <source>Tests found in current folder</source>
        <translation>Im aktuellen Ordner gefundene Tests</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="160"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="241"/>
        <source>&amp;Global Test Settings</source>
        <translation>&amp;Globale Testeinstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="161"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="243"/>
        <source>&amp;Questions and Answers</source>
        <translation>&amp;Fragen und Antworten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="162"/>
        <source>&amp;Client Configuration</source>
        <translation>&amp;Client-Konfiguration</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="189"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="227"/>
        <source>&amp;Results...</source>
        <translation>&amp;Ergebnisse...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="214"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="216"/>
        <source>&amp;Load a test</source>
        <translation>Einen Test &amp;laden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="218"/>
        <source>Encrypt Text File to Test</source>
        <translation>Textdatei zu Test verschlüsseln</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="220"/>
        <source>Decrypt Test to Text File</source>
        <translation>Test in Textdatei entschlüsseln</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="223"/>
        <source>&amp;Print Test...</source>
        <translation>Test &amp;drucken...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="224"/>
        <source>&amp;Grade Answers...</source>
        <translation>Antworten &amp;auswerten...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="226"/>
        <source>&amp;Scan Answer Sheets...</source>
        <translation>Antwortbögen &amp;scannen...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="228"/>
        <source>&amp;Import Questions...</source>
        <translation>Fragen &amp;importieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="229"/>
        <source>E&amp;xport Questions...</source>
        <translation>Fragen e&amp;xportieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="230"/>
        <source>Find D&amp;uplicate Questions...</source>
        <translation>Doppelte Fragen s&amp;uchen...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="233"/>
        <source>Launch Quizwell &amp;Client</source>
        <translation>Quizwell &amp;Client starten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="235"/>
        <source>Pre&amp;view Test</source>
        <translation>Test&amp;vorschau</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="236"/>
        <source>Run in Cl&amp;assroom...</source>
        <translation>Im &amp;Klassenzimmer durchführen...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="238"/>
        <source>&amp;Exit                     Alt-F4</source>
        <translation>&amp;Beenden                  Alt-F4</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="240"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="244"/>
        <source>&amp;Search Tests...</source>
        <translation>Tests &amp;durchsuchen...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="247"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="248"/>
        <source>&amp;Contents                 F1</source>
        <translation>&amp;Inhalt                   F1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="250"/>
        <source>Quizwell on the &amp;Web</source>
        <translation>Quizwell im &amp;Web</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="256"/>
        <source>Quizwell Maker &amp;Home Page</source>
        <translation>&amp;Homepage von Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="257"/>
        <source>&amp;Tips for Writing Tests</source>
        <translation>&amp;Tipps zum Schreiben von Tests</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="258"/>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="259"/>
        <source>Check for &amp;Updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="266"/>
        <source>&amp;About Quizwell Maker</source>
        <translation>&amp;Über Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="302"/>
        <source>This is the Instructor Test Maker.<byte value="xd"/>Do not distribute with Quizwell.</source>
        <translation>Dies ist das Autorenprogramm für Lehrkräfte.<byte value="xd"/>Nicht zusammen mit Quizwell weitergeben.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="308"/>
        <source>The test file: %1<byte value="xd"/>is corrupt and can not be decoded.<byte value="xd"/>It will not be loaded.</source>
        <translation>Die Testdatei: %1<byte value="xd"/>ist beschädigt und kann nicht entschlüsselt werden.<byte value="xd"/>Sie wird nicht geladen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="313"/>
        <source>The test file: %1<byte value="xd"/>can not be read: %2.<byte value="xd"/>It will not be loaded.</source>
        <extracomment>%1 is the test&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>Die Testdatei: %1<byte value="xd"/>kann nicht gelesen werden: %2.<byte value="xd"/>Sie wird nicht geladen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="317"/>
        <source>Only the first %1 tests in this folder can be listed.<byte value="xd"/></source>
        <translation>Nur die ersten %1 Tests in diesem Ordner können aufgeführt werden.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="319"/>
        <source>1 more test file (*.QWT) was found and is not listed.</source>
        <translation>1 weitere Testdatei (*.QWT) wurde gefunden und ist nicht aufgeführt.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="320"/>
        <source>%1 more test files (*.QWT) were found and are not listed.</source>
        <translation>%1 weitere Testdateien (*.QWT) wurden gefunden und sind nicht aufgeführt.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="326"/>
        <source>Did not find any tests.<byte value="xd"/>All tests (*.QWT) should be in the same folder as this program.</source>
        <translation>Es wurden keine Tests gefunden.<byte value="xd"/>Alle Tests (*.QWT) sollten im selben Ordner wie dieses Programm liegen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="345"/>
        <source>Could not get test name!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>Der Testname konnte nicht ermittelt werden!<byte value="xd"/>Bitte versuchen Sie es erneut oder installieren Sie die Software neu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="350"/>
        <source>Could not get file name for test!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>Der Dateiname des Tests konnte nicht ermittelt werden!<byte value="xd"/>Bitte versuchen Sie es erneut oder installieren Sie die Software neu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="354"/>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="171"/>
        <source>The test named %1 was not found!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>Der Test mit dem Namen %1 wurde nicht gefunden!<byte value="xd"/>Bitte versuchen Sie es erneut oder installieren Sie die Software neu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="415"/>
        <source>No description (%1)</source>
        <extracomment>The status line of a new test; %1 is its file name.</extracomment>
        <translation>Keine Beschreibung (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="426"/>
        <source>%1 is saved in %2, outside the working folder %3.<byte value="xd"/>The list of tests shows only the tests in the working folder, and the engine finds them there.<byte value="xd"/>To work on this test another time, open it with Load Test.</source>
        <extracomment>%1 is the test&apos;s file name, %2 the folder it is saved in, %3 the working folder.</extracomment>
        <translation>%1 ist in %2 gespeichert, außerhalb des Arbeitsordners %3.<byte value="xd"/>Die Testliste zeigt nur die Tests im Arbeitsordner, und das Testprogramm findet sie dort.<byte value="xd"/>Um ein anderes Mal an diesem Test zu arbeiten, öffnen Sie ihn mit „Test laden“.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="454"/>
        <source>Could not read test description.<byte value="xd"/>Test is not valid manually edit or delete.</source>
        <translation>Die Testbeschreibung konnte nicht gelesen werden.<byte value="xd"/>Der Test ist ungültig; bearbeiten Sie ihn von Hand oder löschen Sie ihn.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="21"/>
        <source>The test has been encrypted.</source>
        <translation>Der Test wurde verschlüsselt.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="26"/>
        <source>The test has been Decrypted.</source>
        <translation>Der Test wurde entschlüsselt.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="57"/>
        <source>The file %1 exists.<byte value="xd"/>Convert into it, replacing the values it holds?</source>
        <translation>Die Datei %1 ist bereits vorhanden.<byte value="xd"/>In diese Datei umwandeln und ihre bisherigen Werte ersetzen?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="66"/>
        <source>These questions were not converted: %1.<byte value="xd"/>A test holds the questions up to the first empty one, and at most %2.</source>
        <extracomment>%1 lists question numbers, %2 is the most questions a test holds.</extracomment>
        <translation>Diese Fragen wurden nicht umgewandelt: %1.<byte value="xd"/>Ein Test enthält die Fragen bis zur ersten leeren, höchstens %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="111"/>
        <source>Load a test first: the classroom runs the current test.</source>
        <translation>Laden Sie zuerst einen Test: Das Klassenzimmer führt den aktuellen Test durch.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="138"/>
        <source>QWTEST.EXE not found in current folder.<byte value="xd"/>Would you like to find and run it?</source>
        <translation>QWTEST.EXE wurde im aktuellen Ordner nicht gefunden.<byte value="xd"/>Möchten Sie das Programm suchen und starten?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="140"/>
        <source>%1 in current folder cannot be started: %2.<byte value="xd"/>Would you like to find and run another?</source>
        <translation>%1 im aktuellen Ordner kann nicht gestartet werden: %2.<byte value="xd"/>Möchten Sie ein anderes Programm suchen und starten?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="147"/>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="150"/>
        <source>%1 cannot be started: %2.</source>
        <translation>%1 kann nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="161"/>
        <source>Load a test first, or choose one in the list: the results shown are that test&apos;s.</source>
        <translation>Laden Sie zuerst einen Test oder wählen Sie einen in der Liste: Angezeigt werden die Ergebnisse dieses Tests.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="204"/>
        <source>These tests could not be read and are not compared:<byte value="xd"/>%1</source>
        <translation>Diese Tests konnten nicht gelesen werden und werden nicht verglichen:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="121"/>
        <source>Name the file for the system it is for: .gift for GIFT, .txt for Aiken, .xml for Moodle XML, .zip for a QTI package, .csv for a spreadsheet.</source>
        <translation>Benennen Sie die Datei nach dem System, für das sie bestimmt ist: .gift für GIFT, .txt für Aiken, .xml für Moodle XML, .zip für ein QTI-Paket, .csv für eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="127"/>
        <source>The questions of %1 have been exported to %2.</source>
        <translation>Die Fragen von %1 wurden nach %2 exportiert.</translation>
    </message>
</context>
<context>
    <name>TNoteForm</name>
    <message>
        <location filename="../src/ui/maker/NoteForm.cpp" line="23"/>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="50"/>
        <source>Print Test</source>
        <translation>Test drucken</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="52"/>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="56"/>
        <source>Versions are named A, B, C, ...</source>
        <translation>Die Versionen heißen A, B, C, ...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="57"/>
        <source>&amp;Number of versions:</source>
        <translation>&amp;Anzahl der Versionen:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="59"/>
        <source>Shuffle the &amp;questions</source>
        <translation>&amp;Fragen mischen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="61"/>
        <source>Shuffle the &amp;answers of each question</source>
        <translation>A&amp;ntworten jeder Frage mischen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="67"/>
        <source>The same seed makes the same versions again; note it to grade them.</source>
        <translation>Derselbe Startwert erzeugt wieder dieselben Versionen; notieren Sie ihn für die Auswertung.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="68"/>
        <source>Ne&amp;w</source>
        <translation>Ne&amp;u</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="71"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="74"/>
        <source>Balance the versions&apos; e&amp;xpected scores</source>
        <translation>Erwartete Ergebnisse der Versionen a&amp;usgleichen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="77"/>
        <source>Versions are balanced when the test draws its questions from a blueprint</source>
        <translation>Versionen werden ausgeglichen, wenn der Test seine Fragen nach einem Bauplan zieht</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="78"/>
        <source>Draws the versions from the blueprint so that their expected mean scores, from the results recorded, match</source>
        <translation>Zieht die Versionen nach dem Bauplan so, dass ihre erwarteten Durchschnittsergebnisse laut den gespeicherten Ergebnissen übereinstimmen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="84"/>
        <source>Include</source>
        <translation>Mitdrucken</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="86"/>
        <source>The q&amp;uestions</source>
        <translation>Die Fra&amp;gen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="87"/>
        <source>A name, date and c&amp;lass line</source>
        <translation>Eine Zeile für Name, Datum und K&amp;lasse</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="88"/>
        <source>The &amp;begin message</source>
        <translation>Die Nachricht zu Test&amp;beginn</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="89"/>
        <source>An answer s&amp;heet for each version</source>
        <translation>Einen Ant&amp;wortbogen je Version</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="90"/>
        <source>Sheets the scanner reads: a box per answer, corner marks and a QR code</source>
        <translation>Bögen, die der Scanner liest: ein Kästchen je Antwort, Eckmarken und ein QR-Code</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="94"/>
        <source>Columns of boxes for a student number; 0 for none</source>
        <translation>Spalten mit Kästchen für eine Schülernummer; 0 für keine</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="96"/>
        <source>Student nu&amp;mber digits:</source>
        <translation>Ziffern der Schülernu&amp;mmer:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="103"/>
        <source>One per student, each with its own serial; 1 prints a sheet to photocopy</source>
        <translation>Einer je Schüler, jeder mit eigener Seriennummer; 1 druckt einen Bogen zum Kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="105"/>
        <source>Shee&amp;ts per version:</source>
        <translation>Bögen &amp;je Version:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="112"/>
        <source>The answer &amp;keys, on their own pages</source>
        <translation>Die Lösungssc&amp;hlüssel auf eigenen Seiten</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="115"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="116"/>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="117"/>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="118"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="137"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>Der Startwert muss eine ganze Zahl mit höchstens 18 Ziffern sein.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="163"/>
        <source>The results could not be read: %1</source>
        <translation>Die Ergebnisse konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="178"/>
        <source>A sheet of %1 pages to photocopy needs a student number on every page to put its pages together: give the student number digits, or print a sheet per student.</source>
        <extracomment>%1 is how many pages one student&apos;s answer sheet takes.</extracomment>
        <translation>Ein Bogen mit %1 Seiten zum Kopieren braucht auf jeder Seite eine Schülernummer, damit seine Seiten zusammengeführt werden können: Geben Sie die Ziffern der Schülernummer an oder drucken Sie einen Bogen je Schüler.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="196"/>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="200"/>
        <source>The test has been sent to the printer.</source>
        <translation>Der Test wurde an den Drucker gesendet.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="206"/>
        <source>These pictures are not printed:</source>
        <translation>Diese Bilder werden nicht gedruckt:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="212"/>
        <source>Recorded as print run %1 for grading.</source>
        <translation>Als Drucklauf %1 für die Auswertung verzeichnet.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="215"/>
        <source>Seed %1 was printed before as run %2 with other questions drawn: the sheets of the two prints cannot be told apart, so neither is graded when scanned. Print again with a new seed.</source>
        <extracomment>%1 is the seed, %2 the number of the earlier print run.</extracomment>
        <translation>Der Startwert %1 wurde schon als Drucklauf %2 mit anders gezogenen Fragen gedruckt: Die Bögen der beiden Drucke lassen sich nicht unterscheiden, daher wird beim Scannen keiner von beiden ausgewertet. Drucken Sie erneut mit einem neuen Startwert.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="223"/>
        <source>The print run could not be recorded for grading: %1</source>
        <extracomment>%1 is the reason the results store gives.</extracomment>
        <translation>Der Drucklauf konnte nicht für die Auswertung verzeichnet werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="224"/>
        <source>Note seed %1 to grade the sheets.</source>
        <translation>Notieren Sie den Startwert %1, um die Bögen auszuwerten.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>Save Test as PDF</source>
        <translation>Test als PDF speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>PDF Files|*.pdf|All Files|*.*</source>
        <translation>PDF-Dateien|*.pdf|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="252"/>
        <source>The PDF could not be made.</source>
        <translation>Die PDF-Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="256"/>
        <source>The test has been saved as a PDF of %1 pages:<byte value="xd"/>%2</source>
        <extracomment>%2 is the PDF&apos;s path, on a line of its own.</extracomment>
        <translation>Der Test wurde als PDF mit %1 Seiten gespeichert:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="26"/>
        <source>&quot;%1&quot;: give a category, &quot;=&quot; and how many questions to ask</source>
        <extracomment>%1 is a line of a blueprint as the teacher gave it.</extracomment>
        <translation>„%1“: Geben Sie eine Kategorie, „=“ und die Anzahl der zu stellenden Fragen an</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="31"/>
        <source>%1: ask from 1 to %2 questions, not &quot;%3&quot;</source>
        <extracomment>%1 is a category, %2 the most questions a test holds, %3 what was given for it.</extracomment>
        <translation>%1: 1 bis %2 Fragen stellen, nicht „%3“</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="35"/>
        <source>%1: named twice</source>
        <extracomment>%1 is a category.</extracomment>
        <translation>%1: doppelt genannt</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="38"/>
        <source>%1: %2 asked, %3 in the test</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many the test has.</extracomment>
        <translation>%1: %2 verlangt, %3 im Test</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="44"/>
        <source>%1: %2 asked, %3 needed for one of each tag</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many one of each tag takes.</extracomment>
        <translation>%1: %2 verlangt, %3 nötig für eine Frage je Schlagwort</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="51"/>
        <source>the blueprint does not read (%1): every question is printed</source>
        <extracomment>%1 says why the test&apos;s blueprint does not read.</extracomment>
        <translation>der Bauplan lässt sich nicht lesen (%1): Jede Frage wird gedruckt</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="58"/>
        <source>no statistics for these questions yet: versions drawn at random</source>
        <translation>noch keine Statistik zu diesen Fragen: Versionen zufällig gezogen</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="63"/>
        <source>%1%</source>
        <extracomment>An expected mean score: %1 is a whole percent.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="68"/>
        <source>expected mean: %1 (spread %2 points)</source>
        <extracomment>%1 lists each version&apos;s expected mean score, %2 the highest less the lowest.</extracomment>
        <translation>erwarteter Mittelwert: %1 (Spanne %2 Prozentpunkte)</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="72"/>
        <source>expected mean: %1 (spread %2 points); %n questions without statistics counted at the mean</source>
        <extracomment>%1 lists each version&apos;s expected mean score, %2 the highest less the lowest; %n questions have no statistics.</extracomment>
        <translation>
            <numerusform>erwarteter Mittelwert: %1 (Spanne %2 Prozentpunkte); %n Frage ohne Statistik mit dem Mittelwert angesetzt</numerusform>
            <numerusform>erwarteter Mittelwert: %1 (Spanne %2 Prozentpunkte); %n Fragen ohne Statistik mit dem Mittelwert angesetzt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQAForm</name>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="49"/>
        <source>Quizwell only supports up to 500 questions.</source>
        <translation>Quizwell unterstützt höchstens 500 Fragen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="52"/>
        <source>Delete this question?</source>
        <translation>Diese Frage löschen?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="55"/>
        <source>Question has been deleted.</source>
        <translation>Die Frage wurde gelöscht.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="29"/>
        <source>Any changes made since you last saved will be lost!<byte value="xd"/>Would you like to exit?</source>
        <translation>Alle Änderungen seit dem letzten Speichern gehen verloren!<byte value="xd"/>Möchten Sie das Bearbeiten beenden?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="33"/>
        <source>This will reload the test from disk.<byte value="xd"/>Any changes you have made will be lost!<byte value="xd"/>Are you sure that you want to revert?</source>
        <translation>Dadurch wird der Test neu von der Festplatte geladen.<byte value="xd"/>Alle Ihre Änderungen gehen verloren!<byte value="xd"/>Möchten Sie den Test wirklich zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="39"/>
        <source>Changes saved. Would you like to continue editing?</source>
        <translation>Änderungen gespeichert. Möchten Sie mit dem Bearbeiten fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="42"/>
        <source>Save the changes to %1 before closing?</source>
        <translation>Änderungen an %1 vor dem Schließen speichern?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="45"/>
        <source>The questions of this test were not numbered in sequence.<byte value="xd"/>They are shown renumbered, and Save stores them under the new numbers.</source>
        <translation>Die Fragen dieses Tests waren nicht fortlaufend nummeriert.<byte value="xd"/>Sie werden neu nummeriert angezeigt, und „Speichern“ legt sie unter den neuen Nummern ab.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="59"/>
        <source>These questions have no question text, so they cannot be saved: %1.<byte value="xd"/>Their answers and other entries will be lost.<byte value="xd"/>Save without them?</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>Diese Fragen haben keinen Fragetext und können daher nicht gespeichert werden: %1.<byte value="xd"/>Deren Antworten und übrige Einträge gehen verloren.<byte value="xd"/>Ohne sie speichern?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="67"/>
        <source>These empty questions were not saved: %1.<byte value="xd"/>The questions after them were saved under numbers that close the gap.</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>Diese leeren Fragen wurden nicht gespeichert: %1.<byte value="xd"/>Die nachfolgenden Fragen wurden unter Nummern gespeichert, die die Lücke schließen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="73"/>
        <source>The test file %1 was deleted while it was being edited.<byte value="xd"/>It was written anew: the settings of a new test and these questions.</source>
        <translation>Die Testdatei %1 wurde gelöscht, während sie bearbeitet wurde.<byte value="xd"/>Sie wurde neu geschrieben: mit den Einstellungen eines neuen Tests und diesen Fragen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="24"/>
        <source>No spelling dictionary for %1 is installed, so spelling is not checked.</source>
        <extracomment>%1 is a language, as &quot;en_US&quot;.</extracomment>
        <translation>Für %1 ist kein Rechtschreibwörterbuch installiert, daher wird die Rechtschreibung nicht geprüft.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="80"/>
        <source>Loading questions.  Please wait...</source>
        <translation>Fragen werden geladen.  Bitte warten...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="83"/>
        <source>Saving questions.  Please wait...</source>
        <translation>Fragen werden gespeichert.  Bitte warten...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="93"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="332"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="105"/>
        <source>Reference</source>
        <translation>Fundstelle</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="114"/>
        <source>Mechanics/Forces</source>
        <translation>Mechanik/Kräfte</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="116"/>
        <source>tags, separated by commas</source>
        <translation>Schlagwörter, durch Kommas getrennt</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="188"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="189"/>
        <source>&amp;Save Test</source>
        <translation>Test &amp;speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="191"/>
        <source>&amp;Revert Test</source>
        <translation>Test &amp;zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="192"/>
        <source>&amp;Preview Test</source>
        <translation>Test&amp;vorschau</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="193"/>
        <source>&amp;Import Questions...</source>
        <translation>Fragen &amp;importieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="195"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="197"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="198"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo</source>
        <extracomment>%1 names the change undone, as &quot;Typing&quot;.</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="200"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo</source>
        <extracomment>%1 names the change redone, as &quot;Typing&quot;.</extracomment>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo %1</source>
        <translation>Wieder&amp;herstellen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="214"/>
        <source>&amp;Add New Question</source>
        <translation>Neue &amp;Frage hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="216"/>
        <source>&amp;Delete Current Question</source>
        <translation>Aktuelle Frage &amp;löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="218"/>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="219"/>
        <source>R&amp;eplace...</source>
        <translation>&amp;Ersetzen...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="222"/>
        <source>Check &amp;Spelling of the Whole Test</source>
        <translation>Rechtschreibung des ganzen Tests &amp;prüfen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="224"/>
        <source>Spelling &amp;Language</source>
        <translation>Spr&amp;ache der Rechtschreibprüfung</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="233"/>
        <source>&amp;Navigate</source>
        <translation>&amp;Navigieren</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="234"/>
        <source>&amp;Next</source>
        <translation>&amp;Nächste Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="236"/>
        <source>&amp;Previous</source>
        <translation>&amp;Vorherige Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="239"/>
        <source>&amp;Top</source>
        <translation>&amp;Letzte Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="240"/>
        <source>&amp;Bottom</source>
        <translation>&amp;Erste Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="242"/>
        <source>Jump to...</source>
        <translation>Springen zu...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="243"/>
        <source>Question &amp;List...</source>
        <translation>Fragen&amp;liste...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="245"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="278"/>
        <source>Save Test</source>
        <translation>Test speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="279"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="281"/>
        <source>Revert Test</source>
        <translation>Test zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="299"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="301"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="305"/>
        <source>Bottom</source>
        <translation>Erste Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="306"/>
        <source>Previous</source>
        <translation>Vorherige Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="307"/>
        <source>Next</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="308"/>
        <source>Top</source>
        <translation>Letzte Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="309"/>
        <source>Jump To...</source>
        <translation>Springen zu...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="311"/>
        <source>Add New Question</source>
        <translation>Neue Frage hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="312"/>
        <source>Delete Current Question</source>
        <translation>Aktuelle Frage löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="321"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="358"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="322"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="359"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="342"/>
        <source>Click to add a hot link.</source>
        <translation>Klicken Sie hier, um einen Hotlink hinzuzufügen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="343"/>
        <source>Click to add media file</source>
        <translation>Klicken Sie hier, um eine Mediendatei hinzuzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="350"/>
        <source>Enter up to 6 answers.  Check the box next to each correct answer.</source>
        <translation>Bis zu 6 Antworten eingeben.  Jede richtige Antwort ankreuzen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="379"/>
        <source>Answer %1</source>
        <extracomment>Read out by a screen reader; %1 is the answer&apos;s letter.</extracomment>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="380"/>
        <source>Answer %1 is correct</source>
        <translation>Antwort %1 ist richtig</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="393"/>
        <source>All answers must be correct to pass</source>
        <translation>Alle Antworten müssen richtig sein, um zu bestehen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="395"/>
        <source>Any correct answer is concidered a pass</source>
        <translation>Jede richtige Antwort gilt als bestanden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="501"/>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="153"/>
        <source>Set Category</source>
        <translation>Kategorie festlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="506"/>
        <source>Move Question</source>
        <translation>Frage verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="75"/>
        <source>(no suggestions)</source>
        <translation>(keine Vorschläge)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="80"/>
        <source>Add to word list</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="85"/>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="102"/>
        <source>No unknown words</source>
        <translation>Keine unbekannten Wörter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="103"/>
        <source>1 unknown word</source>
        <translation>1 unbekanntes Wort</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="104"/>
        <source>%1 unknown words</source>
        <translation>%1 unbekannte Wörter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="164"/>
        <source>Save changes before the preview?<byte value="xd"/>The preview shows the test as saved.</source>
        <translation>Änderungen vor der Vorschau speichern?<byte value="xd"/>Die Vorschau zeigt den Test in der gespeicherten Fassung.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="185"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="515"/>
        <source>Add Question</source>
        <translation>Frage hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="524"/>
        <source>Delete Question</source>
        <translation>Frage löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="535"/>
        <source>Paste Question</source>
        <translation>Frage einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="545"/>
        <source>Paste Answers</source>
        <translation>Antworten einfügen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="154"/>
        <source>Set Tags</source>
        <translation>Schlagwörter festlegen</translation>
    </message>
</context>
<context>
    <name>TQuestionForm</name>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="119"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;Hotlink</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="120"/>
        <source>&amp;Reference</source>
        <translation>&amp;Fundstelle</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="121"/>
        <source>&amp;Media</source>
        <translation>&amp;Medien</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="122"/>
        <source>Chec&amp;k</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="129"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="130"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="131"/>
        <source>Finish &amp;Test</source>
        <translation>Test &amp;beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="178"/>
        <source>Question %1 of %2</source>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="184"/>
        <source>(choose any that apply)</source>
        <translation>(Wählen Sie beliebige zutreffende Antworten)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="185"/>
        <source>(choose all that apply)</source>
        <translation>(Wählen Sie alle zutreffenden Antworten)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="255"/>
        <source>✔ right</source>
        <extracomment>Marks shown after a checked answer.</extracomment>
        <translation>✔ richtig</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="257"/>
        <source>✘ wrong</source>
        <translation>✘ falsch</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="259"/>
        <source>✔ correct answer</source>
        <translation>✔ richtige Antwort</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Wrong.</source>
        <translation>Falsch.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="268"/>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="356"/>
        <source>Reference: %1</source>
        <translation>Fundstelle: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="286"/>
        <source>Please answer this question before going on.</source>
        <translation>Bitte beantworten Sie diese Frage, bevor Sie fortfahren.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/QuestionForm.cpp" line="313"/>
        <source>%n question(s) have no answer and will count as wrong.<byte value="xd"/>Finish the test now?</source>
        <translation>
            <numerusform>%n Frage ist unbeantwortet und wird als falsch gewertet.<byte value="xd"/>Test jetzt beenden?</numerusform>
            <numerusform>%n Fragen sind unbeantwortet und werden als falsch gewertet.<byte value="xd"/>Test jetzt beenden?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="314"/>
        <source>Every question has an answer.<byte value="xd"/>Finish the test now? No answer can be changed afterwards.</source>
        <translation>Jede Frage ist beantwortet.<byte value="xd"/>Test jetzt beenden? Danach kann keine Antwort mehr geändert werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="322"/>
        <source>End the test now? It is scored as it stands.</source>
        <translation>Test jetzt beenden? Er wird im jetzigen Stand bewertet.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="369"/>
        <source>Elapsed: %1</source>
        <translation>Verstrichen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="370"/>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="372"/>
        <source>Elapsed %1</source>
        <translation>Verstrichen %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="375"/>
        <source>Left %1</source>
        <extracomment>The time left, on the bar that shows it; %1 is hours:minutes:seconds.</extracomment>
        <translation>Rest %1</translation>
    </message>
</context>
<context>
    <name>TQuestionListForm</name>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="70"/>
        <source>Question List</source>
        <translation>Fragenliste</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="72"/>
        <source>Category or tag</source>
        <translation>Kategorie oder Schlagwort</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Asked</source>
        <translation>Gestellt</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Facility</source>
        <translation>Lösungsquote</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Discrimination</source>
        <translation>Trennschärfe</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Last Asked</source>
        <translation>Zuletzt gestellt</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="77"/>
        <source>Key Changed</source>
        <translation>Schlüssel geändert</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="91"/>
        <source>Mechanics/Forces</source>
        <translation>Mechanik/Kräfte</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="92"/>
        <source>Set &amp;Category</source>
        <translation>&amp;Kategorie festlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="93"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="96"/>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="101"/>
        <source>Category of the selected questions:</source>
        <translation>Kategorie der gewählten Fragen:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="148"/>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
</context>
<context>
    <name>TResultsForm</name>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="28"/>
        <source>Make &quot;%1&quot; a drop folder?<byte value="xd"/>Students can then put their results into it but not see the files there; only you can list and read them (mode 1733).</source>
        <translation>„%1“ als Abgabeordner einrichten?<byte value="xd"/>Schüler können dann ihre Ergebnisse hineinlegen, die Dateien darin aber nicht sehen; nur Sie können sie auflisten und lesen (Modus 1733).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="37"/>
        <source>The mode of &quot;%1&quot; could not be changed.<byte value="xd"/>%2</source>
        <translation>Der Modus von „%1“ konnte nicht geändert werden.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>engine</source>
        <extracomment>Where an attempt came from: the engine, a paper test, a scanned sheet, the classroom or an import.</extracomment>
        <translation>Testprogramm</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>classroom</source>
        <translation>Klassenzimmer</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="59"/>
        <source>import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-easy</source>
        <extracomment>The item analysis&apos;s flags of a question: answered right by nearly all, by few; telling the able students from the others weakly, the wrong way round; a wrong letter chosen by the able ones. Each is one word, hyphens for blanks: a question&apos;s flags are listed with blanks between.</extracomment>
        <translation>sehr-leicht</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-hard</source>
        <translation>sehr-schwer</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>weak</source>
        <translation>trennschwach</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>negative</source>
        <translation>negativ</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="26"/>
        <source>miskey</source>
        <translation>Schlüsselfehler</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="149"/>
        <source>%1 (any)</source>
        <extracomment>A key whose letters each pass on their own; %1 is the letters.</extracomment>
        <translation>%1 (beliebig)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="154"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>CSV-Dateien|*.CSV|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="67"/>
        <source>%1 of %2</source>
        <extracomment>A score: %1 questions right of %2 asked.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="72"/>
        <source>%1% (%2 of %3 passed)</source>
        <extracomment>The pass rate: %1 percent of the attempts, %2 of the %3 attempts passed.</extracomment>
        <translation>%1&#xa0;% (%2 von %3 bestanden)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="29"/>
        <source>yes</source>
        <extracomment>Whether an attempt passed.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="30"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="81"/>
        <source>%1%</source>
        <extracomment>A percentage; the number is %1.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="87"/>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="88"/>
        <source>Student number</source>
        <translation>Schülernummer</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="89"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="90"/>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="91"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="92"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="93"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="94"/>
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="95"/>
        <source>Time taken</source>
        <translation>Benötigte Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="97"/>
        <source>Questions</source>
        <extracomment>The questions an attempt asked, by their numbers in the test: &quot;1, 4, 7-9&quot;.</extracomment>
        <translation>Fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="101"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="102"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="193"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="298"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="103"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="123"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="249"/>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="104"/>
        <source>Facility</source>
        <translation>Lösungsquote</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="105"/>
        <source>Discrimination</source>
        <translation>Trennschärfe</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="172"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="107"/>
        <source>Blank</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="108"/>
        <source>Flags</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="121"/>
        <source>Attempts by percent score</source>
        <translation>Versuche nach Prozentergebnis</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="159"/>
        <source>Question %1: who chose each answer</source>
        <translation>Frage %1: Wer welche Antwort gewählt hat</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="161"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="162"/>
        <source>Top 27%</source>
        <translation>Obere 27&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="163"/>
        <source>Bottom 27%</source>
        <translation>Untere 27&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="167"/>
        <source>%1 (key)</source>
        <extracomment>An answer&apos;s letter on the chart, when it is the key; %1 is the letter.</extracomment>
        <translation>%1 (Lösung)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="194"/>
        <source>Test statistics</source>
        <translation>Teststatistik</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="195"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="352"/>
        <source>Item analysis</source>
        <translation>Itemanalyse</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="196"/>
        <source>Regrade</source>
        <translation>Neubewertung</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="198"/>
        <source>Export &amp;Gradebook...</source>
        <translation>&amp;Notenliste exportieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="199"/>
        <source>Export &amp;Item Analysis...</source>
        <translation>&amp;Itemanalyse exportieren...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="200"/>
        <source>Export &amp;Report (PDF)...</source>
        <translation>&amp;Bericht exportieren (PDF)...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="201"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="248"/>
        <source>Results - %1</source>
        <translation>Ergebnisse - %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="267"/>
        <source>No results folder is set (Client Configuration, Results tab).</source>
        <translation>Kein Ergebnisordner festgelegt (Client-Konfiguration, Registerkarte „Ergebnisse“).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="268"/>
        <source>Results folder: %1</source>
        <translation>Ergebnisordner: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="273"/>
        <source>Dates from</source>
        <translation>Zeitraum von</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="280"/>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="281"/>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="283"/>
        <source>All sources</source>
        <translation>Alle Quellen</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="286"/>
        <source>All classes</source>
        <translation>Alle Klassen</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="291"/>
        <source>to</source>
        <extracomment>Between the first and the last day of the dates shown.</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="299"/>
        <source>&amp;Delete Attempt...</source>
        <translation>Versuch &amp;löschen...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="300"/>
        <source>&amp;Undo Delete</source>
        <translation>Löschen &amp;rückgängig</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="310"/>
        <source>Make Drop &amp;Folder...</source>
        <translation>&amp;Abgabeordner einrichten...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="313"/>
        <source>Files not collected</source>
        <translation>Nicht eingesammelte Dateien</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="324"/>
        <source>Files not collected (left in place):</source>
        <translation>Nicht eingesammelte Dateien (am Ort belassen):</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="359"/>
        <source>Counts per answer: all / top 27% / bottom 27%. Double-click a question to edit it.</source>
        <translation>Anzahl je Antwort: alle / obere 27&#xa0;% / untere 27&#xa0;%. Doppelklicken Sie auf eine Frage, um sie zu bearbeiten.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="374"/>
        <source>Questions whose key changed</source>
        <translation>Fragen mit geänderter Lösung</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key marked with</source>
        <translation>Lösung bei Bewertung</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key now</source>
        <translation>Lösung jetzt</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="376"/>
        <source>Regrade with the &amp;Key Now</source>
        <translation>Mit der jetzigen Lösung neu be&amp;werten</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="377"/>
        <source>Attempts rescored</source>
        <translation>Neu bewertete Versuche</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>First score</source>
        <translation>Erstes Ergebnis</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>Score now</source>
        <translation>Ergebnis jetzt</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="381"/>
        <source>Questions whose key changed since attempts were marked:</source>
        <translation>Fragen, deren Lösung sich geändert hat, seit die Versuche bewertet wurden:</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="387"/>
        <source>Attempts rescored (each keeps its first score):</source>
        <translation>Neu bewertete Versuche (jeder behält sein erstes Ergebnis):</translation>
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
        <translation>Versuche: %1
Mittelwert: %2&#xa0;%
Median: %3&#xa0;%
Standardabweichung: %4
Reliabilität (KR-20): %5
Standardmessfehler: %6
Bestehensquote: %7</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="536"/>
        <source>Choose the attempt to delete first.</source>
        <translation>Wählen Sie zuerst den zu löschenden Versuch.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="540"/>
        <source>Delete the attempt of %1 taken %2?<byte value="xd"/>Undo Delete brings it back.</source>
        <translation>Den Versuch von %1 vom %2 löschen?<byte value="xd"/>„Löschen rückgängig“ stellt ihn wieder her.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/results/ResultsForm.cpp" line="561"/>
        <source>%n attempt(s) were rescored with the test&apos;s key; each keeps its first score. %1 score(s) changed.</source>
        <translation>
            <numerusform>%n Versuch wurde mit der Lösung des Tests neu bewertet; er behält sein erstes Ergebnis. Geänderte Ergebnisse: %1.</numerusform>
            <numerusform>%n Versuche wurden mit der Lösung des Tests neu bewertet; jeder behält sein erstes Ergebnis. Geänderte Ergebnisse: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="580"/>
        <source>Export Gradebook</source>
        <translation>Notenliste exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="585"/>
        <source>Export Item Analysis</source>
        <translation>Itemanalyse exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="593"/>
        <source>PDF Files|*.PDF|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>PDF-Dateien|*.PDF|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="594"/>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="602"/>
        <source>Results: %1 (%2)</source>
        <translation>Ergebnisse: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="242"/>
        <source>Item analysis (answers: all / top 27% / bottom 27%)</source>
        <translation>Itemanalyse (Antworten: alle / obere 27&#xa0;% / untere 27&#xa0;%)</translation>
    </message>
</context>
<context>
    <name>TReviewForm</name>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="17"/>
        <source>Review</source>
        <translation>Durchsicht</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="38"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;Hotlink</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="39"/>
        <source>&amp;Reference</source>
        <translation>&amp;Fundstelle</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="40"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="41"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="42"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="65"/>
        <source>Nothing to review.</source>
        <translation>Es gibt nichts durchzusehen.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="76"/>
        <source>Review %1 of %2 (question %3 of the test)</source>
        <translation>Durchsicht %1 von %2 (Frage %3 des Tests)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>Your answer: %1</source>
        <translation>Ihre Antwort: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="88"/>
        <source>Correct answer: %1 (any one of them passes)</source>
        <translation>Richtige Antwort: %1 (jede einzelne davon genügt)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="89"/>
        <source>Correct answer: %1</source>
        <translation>Richtige Antwort: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="90"/>
        <source>You checked this answer during the test; it was locked from then on.</source>
        <translation>Sie haben diese Antwort während des Tests geprüft; von da an war sie gesperrt.</translation>
    </message>
</context>
<context>
    <name>TScanForm</name>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="85"/>
        <source>not a grey image</source>
        <translation>kein Graustufenbild</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="86"/>
        <source>the image cannot be read: %1</source>
        <translation>das Bild kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="87"/>
        <source>no corner markers: a blank page, or not an answer sheet</source>
        <translation>keine Eckmarken: eine leere Seite oder kein Antwortbogen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="88"/>
        <source>only %1 of the four corner markers found</source>
        <translation>nur %1 der vier Eckmarken gefunden</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="89"/>
        <source>the QR code cannot be read</source>
        <translation>der QR-Code kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="90"/>
        <source>the QR code is not an answer sheet&apos;s</source>
        <translation>der QR-Code gehört zu keinem Antwortbogen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="91"/>
        <source>the corner markers do not stand where a sheet&apos;s do (a corner torn off or folded?)</source>
        <translation>die Eckmarken stehen nicht dort, wo die eines Bogens stehen (eine Ecke abgerissen oder umgeknickt?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="93"/>
        <source>the corner markers do not stand where a sheet&apos;s do (the page folded, or photographed more than 15 degrees aside?)</source>
        <translation>die Eckmarken stehen nicht dort, wo die eines Bogens stehen (die Seite gefaltet oder um mehr als 15 Grad schräg fotografiert?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="96"/>
        <source>the QR code does not stand where the corner markers put it</source>
        <translation>der QR-Code steht nicht dort, wo die Eckmarken ihn vorsehen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="97"/>
        <source>the page is too faint to read</source>
        <translation>die Seite ist zu blass, um sie zu lesen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="98"/>
        <source>a box neither blank nor marked</source>
        <translation>ein Kästchen weder leer noch markiert</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="99"/>
        <source>boxes neither blank nor marked</source>
        <translation>Kästchen weder leer noch markiert</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="100"/>
        <source>marks between the boxes (a circled box?)</source>
        <translation>Markierungen zwischen den Kästchen (ein eingekreistes Kästchen?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="101"/>
        <source>more than one box marked</source>
        <translation>mehr als ein Kästchen markiert</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="102"/>
        <source>column %1 has more than one digit marked</source>
        <translation>in Spalte %1 ist mehr als eine Ziffer markiert</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="103"/>
        <source>column %1 has a box neither blank nor marked</source>
        <translation>in Spalte %1 ist ein Kästchen weder leer noch markiert</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="104"/>
        <source>column %1 is left blank</source>
        <translation>Spalte %1 ist leer geblieben</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="125"/>
        <source>seed %1, %2</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;).</extracomment>
        <translation>Startwert %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="128"/>
        <source>seed %1, %2, %3</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;), %3 what was shuffled.</extracomment>
        <translation>Startwert %1, %2, %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="138"/>
        <source>sheet %1 of version %2</source>
        <extracomment>A sheet named inside a problem: %1 is its serial, %2 its version letter.</extracomment>
        <translation>Bogen %1 der Version %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="140"/>
        <source>version %1 sheet of student %2</source>
        <translation>Bogen der Version %1 von Schüler %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="144"/>
        <source>version %1 sheet</source>
        <translation>Bogen der Version %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="159"/>
        <source>a page of another test (fingerprint %1)</source>
        <translation>eine Seite eines anderen Tests (Fingerabdruck %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="161"/>
        <source>a sheet of a print that was not recorded (%1)</source>
        <translation>ein Bogen aus einem nicht verzeichneten Druck (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="163"/>
        <source>a sheet of one of two prints with the same seed that drew other questions (%1): which it is cannot be known, so it is not graded</source>
        <translation>ein Bogen aus einem von zwei Drucken mit demselben Startwert, die andere Fragen gezogen haben (%1): Aus welchem er stammt, lässt sich nicht feststellen, daher wird er nicht ausgewertet</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="168"/>
        <source>a sheet of another print than the rest of the pile (%1)</source>
        <translation>ein Bogen aus einem anderen Druck als der Rest des Stapels (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="170"/>
        <source>version %1 is not one of the %2 versions of its print</source>
        <translation>Version %1 gehört nicht zu den %2 Versionen ihres Drucks</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="174"/>
        <source>the page&apos;s student cannot be known: the student number written on every page of a photocopied sheet is missing or unclear on it</source>
        <translation>der Schüler dieser Seite lässt sich nicht bestimmen: die auf jeder Seite eines kopierten Bogens geschriebene Schülernummer fehlt oder ist unklar</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="183"/>
        <source>%1 has page %2 more than once (%3): which copy is whose cannot be known, so the sheet is not graded</source>
        <extracomment>%1 names the sheet, %2 is a page&apos;s number, %3 the places of its copies.</extracomment>
        <translation>%1 hat Seite %2 mehr als einmal (%3): Welche davon wem gehört, lässt sich nicht feststellen, daher wird der Bogen nicht ausgewertet</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="339"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>Die verzeichneten Druckläufe können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="492"/>
        <source>Warning: %1</source>
        <extracomment>%1 is what was graded all the same but should be checked.</extracomment>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="694"/>
        <source>The sheets read cannot be graded: %1</source>
        <translation>Die gelesenen Bögen können nicht ausgewertet werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="109"/>
        <source>%1 page %2, question %3</source>
        <extracomment>Where on the scans: %1 is a file, %2 a page&apos;s number in it, %3 a question&apos;s number on the sheet.</extracomment>
        <translation>%1 Seite %2, Frage %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="110"/>
        <source>%1 page %2, student number</source>
        <translation>%1 Seite %2, Schülernummer</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="111"/>
        <source>%1 page %2</source>
        <translation>%1 Seite %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="178"/>
        <source>page %1 of a version %2 sheet whose page 1 is not before it</source>
        <translation>Seite %1 eines Bogens der Version %2, ohne dass dessen Seite 1 davor liegt</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="191"/>
        <source>%1 lacks page %2 of %3</source>
        <extracomment>%1 names the sheet, %2 the pages missing, %3 how many pages it has.</extracomment>
        <translation>bei %1 fehlt Seite %2 von %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="195"/>
        <source>the test&apos;s questions or answers were changed after this sheet was printed: its rows are not the test&apos;s as it is now, so it cannot be graded with it</source>
        <translation>die Fragen oder Antworten des Tests wurden geändert, nachdem dieser Bogen gedruckt wurde: Seine Zeilen entsprechen nicht dem jetzigen Stand des Tests, daher kann er damit nicht ausgewertet werden</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="199"/>
        <source>its questions do not follow those of the sheet&apos;s page before</source>
        <translation>ihre Fragen schließen nicht an die der vorigen Seite des Bogens an</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="201"/>
        <source>student number %1 is on more than one sheet (%2)</source>
        <translation>Schülernummer %1 steht auf mehr als einem Bogen (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="216"/>
        <source>the test was changed after these sheets were printed: they are read with its questions and keys as they are now</source>
        <translation>der Test wurde nach dem Druck dieser Bögen geändert: Die Bögen werden mit seinen Fragen und Lösungen im jetzigen Stand gelesen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="221"/>
        <source>%1: read as pencil</source>
        <extracomment>%1 is where the page is: a file and a page&apos;s number in it.</extracomment>
        <translation>%1: als mit Bleistift markiert gelesen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="225"/>
        <source>some sheets were printed before sheets had serials: their pages are joined by their order in the pile, so check that each sheet&apos;s pages lie together, first page first</source>
        <translation>einige Bögen wurden gedruckt, bevor Bögen Seriennummern trugen: Deren Seiten werden nach der Reihenfolge im Stapel zusammengeführt; prüfen Sie daher, ob die Seiten jedes Bogens beieinanderliegen, die erste Seite zuerst</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="256"/>
        <source>Scan Answer Sheets</source>
        <translation>Antwortbögen scannen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="260"/>
        <source>Pages read</source>
        <translation>Gelesene Seiten</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="268"/>
        <source>To review</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="274"/>
        <source>Add the scanned sheets: PDF files, PNG, JPEG or TIFF images.</source>
        <translation>Fügen Sie die gescannten Bögen hinzu: PDF-Dateien, PNG-, JPEG- oder TIFF-Bilder.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="279"/>
        <source>&amp;Add Files...</source>
        <translation>&amp;Dateien hinzufügen...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="280"/>
        <source>Add F&amp;older...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="281"/>
        <source>&amp;Cancel Reading</source>
        <translation>Lesen &amp;abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="283"/>
        <source>&amp;Grade and Record</source>
        <translation>Aus&amp;werten und eintragen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="285"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="299"/>
        <source>To review:</source>
        <translation>Zu prüfen:</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="311"/>
        <location filename="../src/ui/scan/ScanForm.cpp" line="312"/>
        <source>lighter marks count</source>
        <translation>hellere Markierungen zählen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="345"/>
        <source>No print of the test is recorded; its sheets cannot be checked or graded.</source>
        <translation>Für den Test ist kein Druck verzeichnet; seine Bögen können weder geprüft noch ausgewertet werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="357"/>
        <source>Add Scanned Sheets</source>
        <translation>Gescannte Bögen hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="358"/>
        <source>Scans|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|All Files|*.*</source>
        <translation>Scans|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|Alle Dateien|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="364"/>
        <source>Add a Folder of Scanned Sheets</source>
        <translation>Einen Ordner mit gescannten Bögen hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="369"/>
        <source>%1 holds no PDF, PNG, JPEG or TIFF file.</source>
        <translation>%1 enthält keine PDF-, PNG-, JPEG- oder TIFF-Datei.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="465"/>
        <source>Reading... %1 pages read so far.</source>
        <translation>Wird gelesen... bisher %1 Seiten gelesen.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="495"/>
        <source>%1 pages read, %2 sheets gradable, %3 to review.</source>
        <translation>%1 Seiten gelesen, %2 Bögen auswertbar, %3 zu prüfen.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="578"/>
        <source>No doubtful row is left.</source>
        <translation>Es ist keine zweifelhafte Zeile mehr übrig.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="587"/>
        <source>%1, student number: read as &quot;%2&quot;%3. Type the number written (%4 digits), then Enter. Typed: %5</source>
        <translation>%1, Schülernummer: gelesen als „%2“%3. Geben Sie die geschriebene Nummer ein (%4 Ziffern), dann Enter. Eingegeben: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="593"/>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="599"/>
        <source>%1, question %2: %3. Type the letters marked (A to %4), then Enter. Chosen: %5</source>
        <translation>%1, Frage %2: %3. Geben Sie die markierten Buchstaben ein (A bis %4), dann Enter. Gewählt: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="605"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="684"/>
        <source>%1 sheets were graded.<byte value="xd"/></source>
        <translation>%1 Bögen wurden ausgewertet.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="689"/>
        <source>%1 sheets graded; %2 attempts added to the results.</source>
        <translation>%1 Bögen ausgewertet; %2 Versuche zu den Ergebnissen hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>TScreenEdit</name>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="10"/>
        <source>Correct Answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="11"/>
        <source>Pass Rule</source>
        <translation>Bestehensregel</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="12"/>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="18"/>
        <source>Media File</source>
        <translation>Mediendatei</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="16"/>
        <source>Hot Link</source>
        <translation>Hotlink</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="20"/>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="45"/>
        <source>Invalid time format.  Maximum values are 23:59:59.<byte value="xd"/>Please enter again.</source>
        <translation>Ungültiges Zeitformat.  Die Höchstwerte sind 23:59:59.<byte value="xd"/>Bitte erneut eingeben.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="157"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="163"/>
        <source>Global Test Settings</source>
        <translation>Globale Testeinstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="176"/>
        <source>Test Description</source>
        <translation>Testbeschreibung</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="179"/>
        <source>Settings Page 1</source>
        <translation>Einstellungen Seite 1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="180"/>
        <source>Settings Page 2</source>
        <translation>Einstellungen Seite 2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="181"/>
        <source>Test Begin Message</source>
        <translation>Nachricht zu Testbeginn</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="182"/>
        <source>Enter anything you would like to tell the student before they begin the test.</source>
        <translation>Geben Sie alles ein, was Sie dem Schüler vor Beginn des Tests mitteilen möchten.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="185"/>
        <source>Begin Test Message</source>
        <translation>Nachricht zu Beginn</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="186"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="190"/>
        <source>Complete Test Message</source>
        <translation>Nachricht zum Testende</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="187"/>
        <source>Enter anything you would like to tell the student after they complete the test.</source>
        <translation>Geben Sie alles ein, was Sie dem Schüler nach Abschluss des Tests mitteilen möchten.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="191"/>
        <source>Question Bank</source>
        <translation>Fragenpool</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="223"/>
        <source>Hours : Minutes : Seconds</source>
        <translation>Stunden : Minuten : Sekunden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="226"/>
        <source>More time</source>
        <translation>Mehr Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="227"/>
        <source>Less time</source>
        <translation>Weniger Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="230"/>
        <source>Time Allowed (HH:MM:SS)</source>
        <translation>Erlaubte Zeit (hh:mm:ss)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="234"/>
        <source>E&amp;xtra Time per Student...</source>
        <translation>&amp;Zusatzzeit je Schüler...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="246"/>
        <source>Leave blank or set to all zeros if this is not a timed test.</source>
        <translation>Lassen Sie das Feld leer oder setzen Sie alles auf null, wenn der Test keine Zeitbegrenzung hat.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Show questions in order</source>
        <translation>Fragen der Reihe nach zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Randomize the questions</source>
        <translation>Fragen in zufälliger Reihenfolge</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="252"/>
        <source>Questions can be presented to the student in the same order they were prepared or they can be presented at random.</source>
        <translation>Die Fragen können dem Schüler in der Reihenfolge gezeigt werden, in der sie erstellt wurden, oder in zufälliger Reihenfolge.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Do not allow answer checking</source>
        <translation>Prüfen der Antworten nicht erlauben</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Allow answer checking</source>
        <translation>Prüfen der Antworten erlauben</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="258"/>
        <source>This setting specifies whether or not a student can check answers while the test is being taken.</source>
        <translation>Diese Einstellung legt fest, ob ein Schüler während des Tests Antworten prüfen kann.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Can leave answer blank</source>
        <translation>Antwort darf leer bleiben</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Must answer before going to next</source>
        <translation>Antwort vor der nächsten Frage nötig</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="263"/>
        <source>You can require the student to answer a question before moving on to the next, or you can let them leave answers blank.</source>
        <translation>Sie können verlangen, dass der Schüler eine Frage beantwortet, bevor er zur nächsten geht, oder ihm erlauben, Antworten leer zu lassen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="269"/>
        <source>Pass point</source>
        <translation>Bestehensgrenze</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="273"/>
        <source>This will inform the student if they have passed or failed the test.  Set to zero if you do not want to report pass/fail.</source>
        <translation>Damit wird dem Schüler mitgeteilt, ob er den Test bestanden hat oder nicht.  Setzen Sie den Wert auf null, wenn Sie kein Bestanden/Nicht bestanden melden möchten.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="279"/>
        <source>Allow student to specify maximum questions</source>
        <translation>Schüler darf die Höchstzahl der Fragen festlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="281"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="301"/>
        <source>Maximum Questions</source>
        <translation>Höchstzahl der Fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="284"/>
        <source>You can specify that only a subset of all questions are asked.  Set to zero to ask all questions.</source>
        <translation>Sie können festlegen, dass nur ein Teil aller Fragen gestellt wird.  Setzen Sie den Wert auf null, um alle Fragen zu stellen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Test Time</source>
        <translation>Testzeit</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Answer Checking</source>
        <translation>Prüfen der Antworten</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="294"/>
        <source>Pass Point</source>
        <translation>Bestehensgrenze</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="299"/>
        <source>Question Ordering</source>
        <translation>Reihenfolge der Fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="300"/>
        <source>Answer Requirement</source>
        <translation>Antwortpflicht</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="313"/>
        <source>Allow hot links during test.</source>
        <translation>Hotlinks während des Tests erlauben.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="314"/>
        <source>Show references while taking test.</source>
        <translation>Fundstellen während des Tests zeigen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="315"/>
        <source>Allow hot links during review.</source>
        <translation>Hotlinks während der Durchsicht erlauben.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="316"/>
        <source>Show references during review.</source>
        <translation>Fundstellen während der Durchsicht zeigen.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="318"/>
        <source>While Testing</source>
        <translation>Während des Tests</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="321"/>
        <source>While Reviewing</source>
        <translation>Während der Durchsicht</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="324"/>
        <source>These settings specify if the student can pop-up hot links and view references while taking the test and while reviewing missed questions.</source>
        <translation>Diese Einstellungen legen fest, ob der Schüler während des Tests und bei der Durchsicht falsch beantworteter Fragen Hotlinks öffnen und Fundstellen ansehen kann.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Non-Scrolling timers</source>
        <translation>Nicht scrollende Zeitanzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Scrolling timers</source>
        <translation>Scrollende Zeitanzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Do not display timers</source>
        <translation>Keine Zeitanzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="332"/>
        <source>This setting specifies the timer type to display (both elapsed timer and test timer)</source>
        <translation>Diese Einstellung legt fest, welche Art von Zeitanzeige erscheint (für die verstrichene Zeit und für die Testzeit)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="335"/>
        <source>Do not allow test review</source>
        <translation>Keine Durchsicht des Tests erlauben</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="336"/>
        <source>Allow test review</source>
        <translation>Durchsicht des Tests erlauben</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="337"/>
        <source>Allow review of skipped questions</source>
        <translation>Durchsicht übersprungener Fragen erlauben</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="341"/>
        <source>This setting specifies whether or not the student can review the test after taking it.</source>
        <translation>Diese Einstellung legt fest, ob der Schüler den Test nach dem Bearbeiten durchsehen kann.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="350"/>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="353"/>
        <source>The language of the test&apos;s text picks the spelling dictionary and lays out Arabic and Hebrew right to left.</source>
        <translation>Die Sprache des Testtextes wählt das Rechtschreibwörterbuch und setzt Arabisch und Hebräisch von rechts nach links.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="358"/>
        <source>Hot Links and References</source>
        <translation>Hotlinks und Fundstellen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="359"/>
        <source>Time Display</source>
        <translation>Zeitanzeige</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="360"/>
        <source>Test Review</source>
        <translation>Durchsicht des Tests</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="361"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="375"/>
        <source>Note: This entry box is the same size and uses the same font as will be displayed to the student.</source>
        <translation>Hinweis: Dieses Eingabefeld hat dieselbe Größe und Schrift wie die Anzeige für den Schüler.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Questions asked</source>
        <translation>Gestellte Fragen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>One of each tag</source>
        <translation>Eine je Schlagwort</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="390"/>
        <source>Questions asked of each category</source>
        <translation>Gestellte Fragen je Kategorie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="392"/>
        <source>Each student is asked this many questions of each category (and of the categories under it, such as Mechanics/Forces under Mechanics). Leave it empty to use Maximum Questions.</source>
        <translation>Jeder Schüler erhält so viele Fragen aus jeder Kategorie (und den Kategorien darunter, etwa Mechanik/Kräfte unter Mechanik). Leer lassen, um die Höchstzahl an Fragen zu verwenden.</translation>
    </message>
</context>
<context>
    <name>TTestPrinter</name>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="119"/>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="6"/>
        <source>questions and answers shuffled</source>
        <translation>Fragen und Antworten gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="7"/>
        <source>questions shuffled</source>
        <translation>Fragen gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="8"/>
        <source>answers shuffled</source>
        <translation>Antworten gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="9"/>
        <source>nothing shuffled</source>
        <translation>nichts gemischt</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="220"/>
        <source>Seed %1, %2 versions, %3; the test&apos;s question number in brackets</source>
        <extracomment>The note under an answer key; %3 says what was shuffled (&quot;questions shuffled&quot; and the like).</extracomment>
        <translation>Startwert %1, %2 Versionen, %3; die Fragenummer im Test steht in Klammern</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="205"/>
        <source>choose any that apply</source>
        <translation>wählen Sie beliebige zutreffende Antworten</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="206"/>
        <source>choose all that apply</source>
        <translation>wählen Sie alle zutreffenden Antworten</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="213"/>
        <source>any</source>
        <extracomment>Beside a key&apos;s letters: one of them is enough.</extracomment>
        <translation>eine</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="215"/>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="228"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="233"/>
        <source>Name: ______________________   Date: ____________   Class: ____________</source>
        <extracomment>The line a student fills in at the top of a test&apos;s first page; keep the blanks.</extracomment>
        <translation>Name: ______________________   Datum: ____________   Klasse: ____________</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="260"/>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="394"/>
        <source>question %1: the picture %2 was not found</source>
        <translation>Frage %1: Das Bild %2 wurde nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="402"/>
        <source>question %1: the picture %2 cannot be read: %3</source>
        <extracomment>%3 is the reason the image reader gives.</extracomment>
        <translation>Frage %1: Das Bild %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="445"/>
        <source>Answer key, version %1</source>
        <translation>Lösungsschlüssel, Version %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="454"/>
        <source>%1: every one of the letters, and no other; %2: one of them is enough, with no wrong letter</source>
        <extracomment>The legend of the marks beside a key&apos;s letters: %1 is the mark &quot;all&quot;, %2 &quot;any&quot;.</extracomment>
        <translation>%1: alle diese Buchstaben und kein anderer; %2: einer davon genügt, ohne falschen Buchstaben</translation>
    </message>
</context>
<context>
    <name>TjumpForm</name>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="31"/>
        <location filename="../src/ui/maker/JumpForm.cpp" line="33"/>
        <source>Jump To</source>
        <translation>Springen zu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="42"/>
        <source>&amp;Jump</source>
        <translation>&amp;Springen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="43"/>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="55"/>
        <source>Bottom</source>
        <translation>Erste Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="56"/>
        <source>Previous</source>
        <translation>Vorherige Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="57"/>
        <source>Next</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="58"/>
        <source>Top</source>
        <translation>Letzte Frage</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <location filename="../src/ui/platform/Version.h" line="15"/>
        <source>Quizwell Maker v1.03.  Made by instructors for instructors; free to use for the tests of your students.</source>
        <extracomment>Keep the program&apos;s name and version number as they are.</extracomment>
        <translation>Quizwell Maker v1.03.  Von Lehrkräften für Lehrkräfte; kostenlos nutzbar für die Tests Ihrer Schüler.</translation>
    </message>
</context>
<context>
    <name>WriteOver</name>
    <message>
        <location filename="../src/ui/platform/WriteOver.cpp" line="12"/>
        <source>The test file %1 was changed by another program since it was loaded here.<byte value="xd"/>Write over it? Those changes will be lost.</source>
        <translation>Die Testdatei %1 wurde seit dem Laden hier von einem anderen Programm geändert.<byte value="xd"/>Überschreiben? Die Änderungen des anderen Programms gehen dann verloren.</translation>
    </message>
</context>
<context>
    <name>qwtest</name>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="29"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>Führt die mit Quizwell Maker erstellten Selbsttests durch.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="33"/>
        <source>Preview the test, recording nothing.</source>
        <translation>Vorschau des Tests, ohne etwas aufzuzeichnen.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="35"/>
        <source>The question a preview starts at.</source>
        <translation>Die Frage, mit der eine Vorschau beginnt.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="40"/>
        <source>A test file (.QWT) to take.</source>
        <translation>Eine Testdatei (.QWT), die bearbeitet werden soll.</translation>
    </message>
</context>
<context>
    <name>qwtestm</name>
    <message>
        <location filename="../src/programs/qwtestm.cpp" line="39"/>
        <source>Quizwell Maker - tests in %1</source>
        <extracomment>The main window&apos;s title when the tests are kept in the user&apos;s home; %1 is that folder.</extracomment>
        <translation>Quizwell Maker - Tests in %1</translation>
    </message>
</context>
</TS>
