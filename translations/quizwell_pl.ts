<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="164"/>
        <source>Multiple-choice self-tests,</source>
        <extracomment>The banner&apos;s slogan, in two lines.</extracomment>
        <translation>Testy wielokrotnego wyboru do samokontroli,</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="165"/>
        <source>written by instructors.</source>
        <translation>tworzone przez nauczycieli.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="379"/>
        <source>Self-tests, made simple.</source>
        <translation>Testy do samokontroli – po prostu.</translation>
    </message>
</context>
<context>
    <name>EngineServices</name>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="21"/>
        <location filename="../src/ui/platform/EngineServices.cpp" line="40"/>
        <source>&quot;%1&quot; could not be opened.</source>
        <translation>Nie można otworzyć „%1”.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="28"/>
        <source>&quot;%1&quot; is a program. A test may not start programs, so it was not opened.</source>
        <translation>„%1” jest programem. Test nie może uruchamiać programów, dlatego nie został otwarty.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="35"/>
        <source>The file &quot;%1&quot; was not found.</source>
        <translation>Nie znaleziono pliku „%1”.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="23"/>
        <source>Question Files|%1</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, %1 the file patterns after it.</extracomment>
        <translation>Pliki pytań|%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="24"/>
        <source>All Files|*.*</source>
        <translation>Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="30"/>
        <source>Select Questions to Import</source>
        <translation>Wybierz pytania do zaimportowania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="38"/>
        <source>The kind of questions in %1 is not known. Question files end in .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) or .csv.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>Nieznany rodzaj pytań w pliku %1. Pliki pytań mają rozszerzenie .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) lub .csv.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="47"/>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 what is wrong with it.</extracomment>
        <translation>Nie można zaimportować pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="22"/>
        <source>Load a test first.</source>
        <translation>Najpierw należy wczytać test.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="28"/>
        <source>qwtest, the student engine, was not found beside the maker in &quot;%1&quot;.</source>
        <translation>Nie znaleziono programu testującego qwtest obok programu Quizwell Maker w „%1”.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="43"/>
        <source>qwtest could not be started: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Nie można uruchomić programu qwtest: %1.</translation>
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
        <translation>Wersja %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="52"/>
        <source>Answer sheet %1, page %2 of %3</source>
        <translation>Karta odpowiedzi %1, strona %2 z %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="56"/>
        <source>Answer sheet, page %1 of %2</source>
        <translation>Karta odpowiedzi, strona %1 z %2</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="72"/>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="88"/>
        <source>Student number, on every page: write it, then fill one box per column</source>
        <translation>Numer ucznia, na każdej stronie: wpisać go, a następnie zamalować jedno pole w każdej kolumnie</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="91"/>
        <source>Student number: write it, then fill one box per column</source>
        <translation>Numer ucznia: wpisać go, a następnie zamalować jedno pole w każdej kolumnie</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="142"/>
        <source>Fill each box you choose fully with a dark pen. To undo a mark, fill its box fully and circle the box you mean.</source>
        <translation>Każde wybrane pole należy całkowicie zamalować ciemnym długopisem. Aby anulować zaznaczenie, należy całkowicie zamalować jego pole i zakreślić kółkiem pole, o które chodzi.</translation>
    </message>
</context>
<context>
    <name>ShellOpen</name>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="36"/>
        <source>the system gave no reason</source>
        <translation>system nie podał przyczyny</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="59"/>
        <source>it is a folder</source>
        <extracomment>Why a program could not be started.</extracomment>
        <translation>jest to folder</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="75"/>
        <source>No web browser could be opened for this page. To read it, copy its address into a browser:<byte value="xd"/>%1</source>
        <translation>Nie można otworzyć przeglądarki internetowej dla tej strony. Aby ją przeczytać, należy skopiować jej adres do przeglądarki:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="27"/>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Quizwell Client</source>
        <translation>Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>Służy do rozwiązywania testów do samokontroli utworzonych w programie Quizwell Maker.</translation>
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
        <translation>UMOWA LICENCYJNA PROGRAMU QUIZWELL MAKER

Prosimy o zapoznanie się z niniejszą umową. Instalując lub
używając programu Quizwell Maker („programu”), akceptują
Państwo jej postanowienia.

1. Użytkowanie. Program można zainstalować na komputerach,
   na których Państwo i Państwa współpracownicy przygotowują
   testy, i używać go do pisania, zmieniania i konwertowania
   testów dla dowolnej liczby uczniów.

2. Państwa testy. Testy, pytania, komunikaty, logo i pliki
   multimedialne utworzone za pomocą programu należą do
   Państwa. Można je rozpowszechniać razem z programem
   testującym Quizwell i jego plikiem konfiguracyjnym
   na dowolnych warunkach.

3. Program pozostaje u nauczycieli. Program może odczytać
   i zmienić każdy test, łącznie z odpowiedziami. Nie należy
   go rozpowszechniać razem z programem testującym ani
   umieszczać tam, gdzie uczniowie mogą go uruchomić.

4. Kopie. Można sporządzać kopie programu w powyższych celach
   oraz jako kopie zapasowe. Do każdej kopii należy dołączyć
   niniejszą umowę. Nie wolno sprzedawać programu ani
   przedstawiać go jako własnego dzieła.

5. Brak gwarancji. Program jest udostępniany w stanie,
   w jakim się znajduje („as is”), bez jakiejkolwiek
   gwarancji, wyraźnej lub dorozumianej, w tym gwarancji
   przydatności handlowej i przydatności do określonego
   celu. Prosimy przechowywać kopie swoich testów.

6. Ograniczenie odpowiedzialności. Twórcy programu Quizwell
   Maker w żadnym wypadku nie ponoszą odpowiedzialności
   za jakiekolwiek szkody wynikające z używania lub
   niemożności używania programu albo utworzonych za jego
   pomocą testów, nawet jeśli zostali poinformowani
   o możliwości wystąpienia takich szkód.

7. Zakończenie. Niniejsza umowa wygasa z chwilą zaprzestania
   używania programu i usunięcia wszystkich jego kopii.
</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="69"/>
        <location filename="../src/ui/maker/AboutForm.cpp" line="87"/>
        <source>About Quizwell Maker</source>
        <translation>O programie Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="82"/>
        <source>License Agreement</source>
        <translation>Umowa licencyjna</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="98"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="36"/>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="55"/>
        <source>Save changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
</context>
<context>
    <name>TBeginBox</name>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="26"/>
        <source>Begin Test</source>
        <translation>Rozpoczęcie testu</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="61"/>
        <source>Questions to take (1 to %1):</source>
        <translation>Liczba pytań do rozwiązania (od 1 do %1):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="64"/>
        <source>All (%1)</source>
        <translation>Wszystkie (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>1 question.</source>
        <translation>1 pytanie.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>%n questions.</source>
        <translation>
            <numerusform>%n pytanie.</numerusform>
            <numerusform>%n pytania.</numerusform>
            <numerusform>%n pytań.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="75"/>
        <source>Time limit: %1 (hours:minutes:seconds)</source>
        <translation>Limit czasu: %1 (godziny:minuty:sekundy)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="76"/>
        <source>Time limit: none</source>
        <translation>Limit czasu: brak</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="79"/>
        <source>Pass mark: %1% of the questions right</source>
        <translation>Próg zaliczenia: %1% poprawnych odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="80"/>
        <source>Pass mark: none</source>
        <translation>Próg zaliczenia: brak</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="84"/>
        <source>&amp;Begin</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="85"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TCatalogueSearchForm</name>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="21"/>
        <source>Search Tests</source>
        <translation>Wyszukiwanie w testach</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="28"/>
        <source>&amp;Find tests holding:</source>
        <translation>&amp;Znajdź testy zawierające:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="31"/>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="38"/>
        <source>Tests found</source>
        <translation>Znalezione testy</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="48"/>
        <source>&amp;Open in the Editor</source>
        <translation>&amp;Otwórz w edytorze</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="50"/>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="70"/>
        <source>description</source>
        <translation>opis</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Found in %1 places</source>
        <translation>Liczba znalezionych miejsc: %1</translation>
    </message>
</context>
<context>
    <name>TClassroomForm</name>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="37"/>
        <source>finished</source>
        <translation>zakończono</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="38"/>
        <source>joined</source>
        <translation>dołączono</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="39"/>
        <source>question %1 of %2</source>
        <translation>pytanie %1 z %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="47"/>
        <source>left the page %1×, %2 s</source>
        <extracomment>How often and how long a student left the test&apos;s page; %1 is the count, %2 the seconds.</extracomment>
        <translation>opuszczenia strony: %1×, %2 s</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="109"/>
        <source>Classroom</source>
        <translation>Sala lekcyjna</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="112"/>
        <source>Open in a browser:</source>
        <translation>Otwórz w przeglądarce:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="121"/>
        <source>QR code of the address</source>
        <translation>Kod QR adresu</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Student</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Away</source>
        <translation>Poza stroną</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="136"/>
        <source>Students</source>
        <translation>Uczniowie</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="158"/>
        <source>&amp;Hold the review until the test ends</source>
        <translation>&amp;Wstrzymaj przegląd odpowiedzi do końca testu</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="160"/>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Show &amp;Scores</source>
        <translation>Pokaż wy&amp;niki</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="161"/>
        <source>&amp;End Test</source>
        <translation>&amp;Zakończ test</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="162"/>
        <source>End Sessio&amp;n</source>
        <translation>Zakończ s&amp;esję</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="172"/>
        <source>the test folder&apos;s Results.sqlite, or postgresql://...</source>
        <extracomment>Keep the file name Results.sqlite and postgresql:// as they are.</extracomment>
        <translation>plik Results.sqlite w folderze testu lub postgresql://...</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="173"/>
        <source>Results s&amp;tore:</source>
        <translation>&amp;Baza wyników:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="175"/>
        <source>&amp;Use</source>
        <translation>&amp;Użyj</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="208"/>
        <source>%1 has no questions to run in a classroom.</source>
        <translation>Test %1 nie zawiera pytań, które można przeprowadzić w sali lekcyjnej.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="221"/>
        <source>%1<byte value="xd"/>This session stores into the test folder&apos;s Results.sqlite until another store is used.</source>
        <extracomment>%1 is the reason the saved store could not be opened.</extracomment>
        <translation>%1<byte value="xd"/>Do czasu wybrania innej bazy ta sesja zapisuje wyniki w pliku Results.sqlite w folderze testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="230"/>
        <source>Classroom - %1</source>
        <translation>Sala lekcyjna – %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="239"/>
        <source>Port %1 is in use by another program, so this session uses port %2.</source>
        <translation>Port %1 jest używany przez inny program, dlatego ta sesja używa portu %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="246"/>
        <source>port %1 of this computer</source>
        <translation>port %1 tego komputera</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="247"/>
        <source>This computer has no network: connect it to the room&apos;s network, then open the classroom again.</source>
        <translation>Ten komputer nie jest połączony z siecią: należy połączyć go z siecią sali, a następnie ponownie otworzyć salę lekcyjną.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="254"/>
        <source>Room code: %1</source>
        <translation>Kod sali: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="271"/>
        <source>The classroom cannot listen on %1: no port is free.</source>
        <translation>Sala lekcyjna nie może nasłuchiwać na %1: brak wolnego portu.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="289"/>
        <source>Results go to %1</source>
        <translation>Wyniki są zapisywane w: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="307"/>
        <source>Students have joined, so this session keeps its store. End the session and open the classroom again to use another.</source>
        <translation>Do sesji dołączyli już uczniowie, dlatego zachowuje ona swoją bazę wyników. Aby użyć innej, należy zakończyć sesję i ponownie otworzyć salę lekcyjną.</translation>
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
        <translation>Dołączyło: %1, odpowiada: %2, zakończyło: %3</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="383"/>
        <source>%1 asks to continue on another device</source>
        <translation>%1 prosi o kontynuowanie na innym urządzeniu</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="384"/>
        <source>Allow</source>
        <translation>Zezwól</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="385"/>
        <source>Refuse</source>
        <translation>Odmów</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="403"/>
        <source>A student&apos;s request failed at %1: %2</source>
        <translation>Żądanie ucznia nie powiodło się o %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Hide &amp;Scores</source>
        <translation>Ukryj wy&amp;niki</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="416"/>
        <source>1 student is still answering.</source>
        <translation>1 uczeń nadal odpowiada.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="417"/>
        <source>%n students are still answering.</source>
        <translation>
            <numerusform>%n uczeń nadal odpowiada.</numerusform>
            <numerusform>%n uczniowie nadal odpowiadają.</numerusform>
            <numerusform>%n uczniów nadal odpowiada.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="425"/>
        <source>%1 %2<byte value="xd"/>Their answers so far are scored and stored.</source>
        <extracomment>%1 says how many students are still answering, %2 asks whether to end their tests.</extracomment>
        <translation>%1 %2<byte value="xd"/>Dotychczasowe odpowiedzi zostaną ocenione i zapisane.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="432"/>
        <source>End the test for everyone?<byte value="xd"/>Answers so far are scored and stored, and nobody can begin any more.</source>
        <translation>Zakończyć test dla wszystkich?<byte value="xd"/>Dotychczasowe odpowiedzi zostaną ocenione i zapisane, a nikt nie będzie mógł już rozpocząć testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="440"/>
        <source>End their tests and the session?</source>
        <translation>Zakończyć ich testy i sesję?</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="443"/>
        <source>The session has ended. The results are in the Results window.</source>
        <translation>Sesja została zakończona. Wyniki są dostępne w oknie Wyniki.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="466"/>
        <source>End their tests and close the classroom?</source>
        <translation>Zakończyć ich testy i zamknąć salę lekcyjną?</translation>
    </message>
</context>
<context>
    <name>TClientForm</name>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="38"/>
        <source>Bitmap Files (BMP)|*.BMP</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, the pattern after it kept.</extracomment>
        <translation>Pliki map bitowych (BMP)|*.BMP</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="82"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="84"/>
        <source>Client Configuration</source>
        <translation>Konfiguracja klienta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="93"/>
        <source>These settings effect the entire Quizwell engine.    You must include the QWTEST.CFG file with the Quizwell engine for these settings to take effect.</source>
        <translation>Te ustawienia dotyczą całego programu testującego Quizwell.    Aby zaczęły obowiązywać, należy dołączyć plik QWTEST.CFG do programu testującego Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="98"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="161"/>
        <source>Custom Logo</source>
        <translation>Własne logo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="99"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="209"/>
        <source>Custom About Box</source>
        <translation>Własne okno „O programie”</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="100"/>
        <source>Client Behavior</source>
        <translation>Działanie klienta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="101"/>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="143"/>
        <source>&amp;Browse</source>
        <translation>&amp;Przeglądaj</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="164"/>
        <source>You can customize the appearance of the tests you distribute by adding your own logo to the interface. </source>
        <translation>Wygląd rozpowszechnianych testów można dostosować, dodając do interfejsu własne logo.   </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="173"/>
        <source>Place the bitmap (.bmp extension) file into the same directory that will contain the Quizwell files. The bitmap can be 139 pixels high x 471 pixels wide.</source>
        <translation>Plik mapy bitowej (z rozszerzeniem .bmp) należy umieścić w tym samym katalogu, w którym będą się znajdować pliki programu Quizwell. Mapa bitowa może mieć 139 pikseli wysokości i 471 pikseli szerokości.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="176"/>
        <source>To ensure compatibility with the video capabilities of the computer it will be viewed on, the graphic should be composed in 16 or 256 colors using the standard Windows palette. </source>
        <translation>Aby zapewnić zgodność z możliwościami graficznymi komputera, na którym będzie wyświetlana, grafika powinna mieć 16 lub 256 kolorów w standardowej palecie systemu Windows.   </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="179"/>
        <source>You should experiment with a variety of color settings to see what works best.</source>
        <translation>Warto wypróbować różne ustawienia kolorów, aby sprawdzić, które sprawdzają się najlepiej.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="187"/>
        <source>Use custom About Box</source>
        <translation>Użyj własnego okna „O programie”</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="188"/>
        <source>Do not use custom About Box</source>
        <translation>Nie używaj własnego okna „O programie”</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="189"/>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="191"/>
        <source>Custom message for about box (shown actual size)</source>
        <translation>Własny komunikat w oknie „O programie” (w rzeczywistym rozmiarze)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="199"/>
        <source>Web page URL</source>
        <translation>Adres strony</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="212"/>
        <source>You can have your own &quot;About&quot; box from the &quot;Help&quot; menu.  You can have your own custom message in this about box.  The logo displayed will be the same as specified on the &quot;Custom Logo&quot; tab.</source>
        <translation>W menu „Pomoc” może być dostępne własne okno „O programie”.  Może ono zawierać własny komunikat.  Wyświetlane logo będzie takie samo jak logo wskazane na karcie „Własne logo”.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="227"/>
        <source>Enable Full Screen mode.</source>
        <translation>Włącz tryb pełnoekranowy.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="228"/>
        <source>Require test history password</source>
        <translation>Wymagaj hasła do historii testów</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="229"/>
        <source>Require exit password</source>
        <translation>Wymagaj hasła przy zamykaniu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="230"/>
        <source>History Password</source>
        <translation>Hasło do historii</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="231"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="268"/>
        <source>Exit Password</source>
        <translation>Hasło zamykania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="256"/>
        <source>Full Screen Mode</source>
        <translation>Tryb pełnoekranowy</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="257"/>
        <source>Full screen mode forces Quizwell to occupy the student&apos;s entire screen and only allows the student to use Quizwell and no other programs.</source>
        <translation>W trybie pełnoekranowym program Quizwell zajmuje cały ekran ucznia, a uczeń może korzystać tylko z programu Quizwell i z żadnych innych programów.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="262"/>
        <source>Test history Lock</source>
        <translation>Blokada historii testów</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="263"/>
        <source>You can allow the student to view their test history or lock test history so a password is required.</source>
        <translation>Można pozwolić uczniowi przeglądać historię swoich testów albo zablokować historię testów tak, aby wymagane było hasło.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="269"/>
        <source>You can require a password to exit Quizwell.</source>
        <translation>Można wymagać hasła do zamknięcia programu Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="277"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="351"/>
        <source>Results Folder</source>
        <translation>Folder wyników</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="280"/>
        <source>Every finished test is kept in the results beside the test. Where the student&apos;s computer cannot write there (a computer lab), the result is left as a small file in this folder instead, and File, Results... collects it from there.</source>
        <translation>Każdy ukończony test jest zapisywany w wynikach obok testu. Jeśli komputer ucznia nie może tam zapisywać (pracownia komputerowa), wynik jest zamiast tego zostawiany jako mały plik w tym folderze, a polecenie Plik, Wyniki... pobiera go stamtąd.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="284"/>
        <source>B&amp;rowse...</source>
        <translation>P&amp;rzeglądaj...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="291"/>
        <source>Use a shared folder every student computer can write to. Make it a drop folder (mode 1733) so students cannot read each other&apos;s results; Help, Results tells how. A result that can be kept in neither place waits on the student&apos;s computer until the next start.</source>
        <translation>Należy użyć folderu współdzielonego, do którego może zapisywać każdy komputer ucznia. Warto utworzyć z niego folder zbiorczy (tryb 1733), aby uczniowie nie mogli czytać wyników innych uczniów; sposób opisano w Pomocy, w temacie Wyniki. Wynik, którego nie można zapisać w żadnym z tych miejsc, czeka na komputerze ucznia do następnego uruchomienia.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="372"/>
        <source>The engine looks for the logo in its own folder, %1, and will not find %2 where it is.<byte value="xd"/>Copy it into that folder?</source>
        <extracomment>%1 is the engine&apos;s folder, %2 the picture&apos;s file name.</extracomment>
        <translation>Program testujący szuka logo we własnym folderze, %1, i nie znajdzie pliku %2 tam, gdzie się on znajduje.<byte value="xd"/>Skopiować go do tego folderu?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="380"/>
        <source>A file named %1 is in %2 already.<byte value="xd"/>Replace it with the picture picked?</source>
        <translation>Plik o nazwie %1 już istnieje w %2.<byte value="xd"/>Zastąpić go wybranym obrazem?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="426"/>
        <source>The file &quot;%1&quot; could not be read as a picture; the built-in logo is shown.</source>
        <translation>Nie można odczytać pliku „%1” jako obrazu; wyświetlane jest wbudowane logo.</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="69"/>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nie zapisuj</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="88"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="100"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="92"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="104"/>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="174"/>
        <source>These characters cannot be stored in a test file: %1.<byte value="xd"/>Store them as &quot;?&quot; and go on?</source>
        <translation>Tych znaków nie można zapisać w pliku testu: %1.<byte value="xd"/>Zapisać je jako „?” i kontynuować?</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="188"/>
        <source>%1 is the file %2 is made from: it cannot also be the output.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>%1 jest plikiem, z którego powstaje %2: nie może być jednocześnie plikiem wynikowym.<byte value="xd"/>Należy wybrać inną nazwę. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="192"/>
        <source>%1 cannot be written: %2.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>Nie można zapisać %1: %2.<byte value="xd"/>Należy wybrać inną nazwę. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="205"/>
        <source>An unexpected error ended the action.</source>
        <translation>Nieoczekiwany błąd przerwał działanie.</translation>
    </message>
</context>
<context>
    <name>TDuplicatesForm</name>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="24"/>
        <source>Duplicate Questions</source>
        <translation>Powtórzone pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="30"/>
        <source>Questions typed twice</source>
        <translation>Pytania wpisane dwukrotnie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="32"/>
        <source>Each group lists its questions by test and number; activate one to edit it</source>
        <translation>Każda grupa zawiera pytania według testu i numeru; aby edytować pytanie, należy je aktywować</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="49"/>
        <source>No question is typed twice in these tests.</source>
        <translation>W tych testach żadne pytanie nie jest wpisane dwukrotnie.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="50"/>
        <source>&amp;Questions typed twice (double-click one to edit it there):</source>
        <translation>&amp;Pytania wpisane dwukrotnie (aby edytować pytanie, należy kliknąć je dwukrotnie):</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="59"/>
        <source> (answers %1)</source>
        <translation> (odpowiedzi %1)</translation>
    </message>
</context>
<context>
    <name>TEndForm</name>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="13"/>
        <source>Score: %1 of %2 right (%3%)</source>
        <translation>Wynik: %1 z %2 poprawnie (%3%)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="18"/>
        <source>Test Finished</source>
        <translation>Test zakończony</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="28"/>
        <source>Time ran out.</source>
        <translation>Czas minął.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Passed</source>
        <translation>Zaliczony</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Failed</source>
        <translation>Niezaliczony</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="42"/>
        <source>Pass point: %1%</source>
        <translation>Próg zaliczenia: %1%</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="45"/>
        <source>Time taken: %1</source>
        <extracomment>%1 is hours:minutes:seconds.</extracomment>
        <translation>Czas rozwiązywania: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="48"/>
        <source>&amp;Review Answers</source>
        <translation>&amp;Przejrzyj odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="49"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
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
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="54"/>
        <source>&amp;Open Test...</source>
        <translation>&amp;Otwórz test...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="55"/>
        <source>&amp;Refresh List</source>
        <translation>O&amp;dśwież listę</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="56"/>
        <source>Test &amp;History...</source>
        <translation>&amp;Historia testów...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="58"/>
        <location filename="../src/ui/engine/EngineForm.cpp" line="77"/>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="59"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="60"/>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="63"/>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="70"/>
        <source>Choose a test and press Start:</source>
        <translation>Należy wybrać test i nacisnąć Rozpocznij:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="72"/>
        <source>Tests</source>
        <translation>Testy</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="75"/>
        <source>&amp;Start</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="76"/>
        <source>His&amp;tory</source>
        <translation>His&amp;toria</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="138"/>
        <source>The test file &quot;%1&quot; no longer exists.</source>
        <translation>Plik testu „%1” już nie istnieje.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="145"/>
        <source>Open Test</source>
        <translation>Otwieranie testu</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="147"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Pliki Quizwell|*.QWT|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="161"/>
        <source>You have extra time for this test: %1 instead of %2.</source>
        <translation>Na ten test przysługuje dodatkowy czas: %1 zamiast %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="183"/>
        <source>&quot;%1&quot; holds no questions.</source>
        <translation>„%1” nie zawiera pytań.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="201"/>
        <source>%1 (preview)</source>
        <translation>%1 (podgląd)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="211"/>
        <source>Your history file was damaged. It is kept as &quot;%1&quot;, and a new history was started with this test.</source>
        <translation>Plik historii był uszkodzony. Został zachowany jako „%1”, a od tego testu rozpoczęto nową historię.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="215"/>
        <source>Your test was scored, but it could not be added to your history.<byte value="xd"/>%1</source>
        <translation>Test został oceniony, ale nie można było dodać go do historii.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="254"/>
        <source>Your test was scored, but the result could not be saved for your teacher.<byte value="xd"/>%1</source>
        <translation>Test został oceniony, ale nie można było zapisać wyniku dla nauczyciela.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Student Name</source>
        <translation>Imię i nazwisko ucznia</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Your name, for your test history (you may leave it empty):</source>
        <translation>Imię i nazwisko do historii testów (można zostawić puste):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Student Number</source>
        <translation>Numer ucznia</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Your student number, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>Numer ucznia do wyników nauczyciela (można zostawić puste):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Class</source>
        <extracomment>The student&apos;s class (group) at school.</extracomment>
        <translation>Klasa</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Your class, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>Klasa do wyników nauczyciela (można zostawić puste):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="293"/>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="296"/>
        <source>Wrong password.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="301"/>
        <source>Test History</source>
        <translation>Historia testów</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="324"/>
        <source>Exit</source>
        <extracomment>Title of the password question asked before the program closes.</extracomment>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>TExtraTimeForm</name>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="21"/>
        <source>line %1: no &apos;=&apos; between the name and the factor</source>
        <extracomment>%1 is a line&apos;s number in the list.</extracomment>
        <translation>wiersz %1: brak znaku &apos;=&apos; między imieniem a mnożnikiem</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="23"/>
        <source>line %1: no name</source>
        <translation>wiersz %1: brak imienia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="28"/>
        <source>line %1: the factor is not a number from 1 to %2</source>
        <extracomment>%1 is a line&apos;s number in the list; %2 the largest factor.</extracomment>
        <translation>wiersz %1: mnożnik nie jest liczbą od 1 do %2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="39"/>
        <source>Extra Time per Student</source>
        <translation>Dodatkowy czas dla uczniów</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="42"/>
        <source>&amp;Students given extra time, one a line as NAME=FACTOR, for example &quot;Ann Lee=1.25&quot; for a quarter more time (factors from 1 to 4). The name is matched as the student types it, letter case aside. The list is kept beside the test, in %1.</source>
        <translation>&amp;Uczniowie z dodatkowym czasem, po jednym w wierszu w postaci IMIĘ=MNOŻNIK, na przykład „Ann Lee=1.25” to o jedną czwartą więcej czasu (mnożnik od 1 do 4). Imię jest porównywane z tym, które wpisuje uczeń, bez względu na wielkość liter. Lista jest przechowywana obok testu, w pliku %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="51"/>
        <source>Students given extra time</source>
        <translation>Uczniowie z dodatkowym czasem</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="52"/>
        <source>One student a line: the name, an equals sign and the factor</source>
        <translation>Jeden uczeń w wierszu: imię, znak równości i mnożnik</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="78"/>
        <source>These lines do not read, so the list was not saved:<byte value="xd"/>%1</source>
        <translation>Tych wierszy nie można odczytać, dlatego lista nie została zapisana:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="28"/>
        <source>There is nothing to replace.</source>
        <translation>Nie ma nic do zamiany.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="47"/>
        <source>Hot link parameters</source>
        <translation>Parametry odnośnika</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="52"/>
        <source>Answer %1</source>
        <extracomment>A field of a question in the list of hits; %1 is its letter.</extracomment>
        <translation>Odpowiedź %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="60"/>
        <source>Question %1, %2:  %3</source>
        <translation>Pytanie %1, %2:  %3</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="75"/>
        <source>Fin&amp;d:</source>
        <translation>&amp;Znajdź:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="77"/>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="79"/>
        <source>Next</source>
        <translation>Następne</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="80"/>
        <source>Next hit (Enter)</source>
        <translation>Następne trafienie (Enter)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="84"/>
        <source>Close the find bar (Esc)</source>
        <translation>Zamknij pasek wyszukiwania (Esc)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="85"/>
        <source>Close the find bar</source>
        <translation>Zamknij pasek wyszukiwania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="95"/>
        <source>Re&amp;place:</source>
        <translation>Zamień n&amp;a:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="97"/>
        <source>Replace with</source>
        <translation>Zamień na</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="99"/>
        <source>&amp;Replace</source>
        <translation>Za&amp;mień</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="100"/>
        <source>Replace &amp;All</source>
        <translation>Zamień &amp;wszystko</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="111"/>
        <source>Match &amp;case</source>
        <translation>&amp;Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="112"/>
        <source>&amp;Whole words</source>
        <translation>Całe &amp;słowa</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="113"/>
        <source>Regular e&amp;xpression</source>
        <translation>Wyrażenie &amp;regularne</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="121"/>
        <source>Look in:</source>
        <translation>Szukaj w:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="41"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="123"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="305"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="124"/>
        <source>Answers</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="43"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="125"/>
        <source>Reference</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="45"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="126"/>
        <source>Hot link</source>
        <translation>Odnośnik</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="49"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="127"/>
        <source>Media file</source>
        <translation>Plik multimedialny</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="138"/>
        <source>Hits</source>
        <translation>Trafienia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="221"/>
        <source>Not a regular expression: %1</source>
        <extracomment>%1 is the fault the regular expression library found.</extracomment>
        <translation>To nie jest wyrażenie regularne: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="225"/>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>1 hit</source>
        <translation>1 trafienie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>%1 hits</source>
        <translation>Trafienia: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="265"/>
        <source>Replace</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="290"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="298"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="318"/>
        <source>Replace All</source>
        <translation>Zamień wszystko</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="302"/>
        <source>1 field will change:</source>
        <translation>Zmienione zostanie 1 pole:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="303"/>
        <source>%1 fields will change:</source>
        <translation>Zmienione zostaną pola (%1):</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="306"/>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="307"/>
        <source>Now</source>
        <translation>Obecnie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="308"/>
        <source>After replacing</source>
        <translation>Po zamianie</translation>
    </message>
</context>
<context>
    <name>TGradeForm</name>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="80"/>
        <source>1 version</source>
        <translation>1 wersja</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="81"/>
        <source>%n versions</source>
        <translation>
            <numerusform>%n wersja</numerusform>
            <numerusform>%n wersje</numerusform>
            <numerusform>%n wersji</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="94"/>
        <source>the earlier print (seed %1, %2, %3, questions drawn from the blueprint)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>wcześniejszy wydruk (ziarno %1, %2, %3, pytania wylosowane według planu)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="99"/>
        <source>the earlier print (seed %1, %2, %3)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>wcześniejszy wydruk (ziarno %1, %2, %3)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="106"/>
        <source>run %1 (printed %2, seed %3, %4, %5, questions drawn from the blueprint)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>wydruk %1 (wydrukowano %2, ziarno %3, %4, %5, pytania wylosowane według planu)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="111"/>
        <source>run %1 (printed %2, seed %3, %4, %5)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>wydruk %1 (wydrukowano %2, ziarno %3, %4, %5)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="119"/>
        <source>1 attempt was recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>W pliku %1 zapisano 1 podejście.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="122"/>
        <source>%n attempts were recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>W pliku %1 zapisano %n podejście.</numerusform>
            <numerusform>W pliku %1 zapisano %n podejścia.</numerusform>
            <numerusform>W pliku %1 zapisano %n podejść.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="126"/>
        <source>1 attempt was recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>W pliku %1 zapisano 1 podejście; 1 było już zapisane wcześniej.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="130"/>
        <source>1 attempt was recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>W pliku %1 zapisano 1 podejście; zapisane już wcześniej: %2.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="134"/>
        <source>%n attempts were recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>W pliku %1 zapisano %n podejście; 1 było już zapisane wcześniej.</numerusform>
            <numerusform>W pliku %1 zapisano %n podejścia; 1 było już zapisane wcześniej.</numerusform>
            <numerusform>W pliku %1 zapisano %n podejść; 1 było już zapisane wcześniej.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="138"/>
        <source>%n attempts were recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>
            <numerusform>W pliku %1 zapisano %n podejście; zapisane już wcześniej: %2.</numerusform>
            <numerusform>W pliku %1 zapisano %n podejścia; zapisane już wcześniej: %2.</numerusform>
            <numerusform>W pliku %1 zapisano %n podejść; zapisane już wcześniej: %2.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="147"/>
        <source>row %1, %2: not graded, questions in doubt (%3); decide them and grade the sheet again</source>
        <extracomment>%1 is the row of the answers file, %2 the sheet&apos;s name, %3 its questions in doubt (&quot;12 17&quot;).</extracomment>
        <translation>wiersz %1, %2: karta nie została oceniona, wątpliwe pytania (%3); należy je rozstrzygnąć i ponownie ocenić kartę</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="155"/>
        <source>the seed and options given (seed %1)</source>
        <translation>podane ziarno i ustawienia (ziarno %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="159"/>
        <source>The sheets fit %1 far better than %2: %3 of %4 answers (%5%) are right there, against %6 (%7%) here. Grade them with the run they were printed in.</source>
        <extracomment>%1 and %2 name runs; of %4 answers, %3 (%5 percent) are right under the first, %6 (%7 percent) under the second.</extracomment>
        <translation>Karty pasują znacznie lepiej do innego wydruku niż do wybranego. Lepiej pasuje %1 – poprawne odpowiedzi: %3 z %4 (%5%); do oceny wybrano %2 – poprawne odpowiedzi: %6 (%7%). Karty należy ocenić według wydruku, w którym zostały wydrukowane.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="171"/>
        <source>version %1</source>
        <translation>wersja %1</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="172"/>
        <source>the test&apos;s own order, nothing shuffled</source>
        <translation>oryginalna kolejność testu, bez mieszania</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="175"/>
        <source>%1 of %2 sheets score far better under another key than under the key of their own version: %3 scores %4% as version %5 and %6% under the key of %7. Check the version letters typed.</source>
        <extracomment>%1 of %2 sheets; %3 is a sheet&apos;s name, %4 its percent as its version %5, %6 its percent under the key of %7 (another version, or the test&apos;s own order).</extracomment>
        <translation>Karty z wynikiem znacznie lepszym według innego klucza niż według klucza własnej wersji: %1 z %2. Na przykład karta %3 uzyskuje %4% jako wersja %5, a %6% według klucza (%7). Należy sprawdzić wpisane litery wersji.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="188"/>
        <source>The test was changed after %1 was printed: the sheets are graded with its questions and keys as they are now.</source>
        <extracomment>%1 names the run.</extracomment>
        <translation>Test został zmieniony po tym, jak powstał %1: karty są oceniane według jego pytań i kluczy w obecnej postaci.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="47"/>
        <source>Grade Answers</source>
        <translation>Ocenianie odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Run</source>
        <translation>Wydruk</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Printed</source>
        <translation>Data wydruku</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Seed</source>
        <translation>Ziarno</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Versions</source>
        <translation>Wersje</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Shuffled</source>
        <translation>Mieszanie</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="52"/>
        <source>Print runs</source>
        <translation>Wydruki</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="56"/>
        <source>Print r&amp;uns:</source>
        <translation>&amp;Wydruki:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="59"/>
        <source>&amp;Number of versions:</source>
        <translation>&amp;Liczba wersji:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="63"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Ziarno:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="65"/>
        <source>Questions shuffled</source>
        <translation>Pytania wymieszane</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="67"/>
        <source>Answers shuffled</source>
        <translation>Odpowiedzi wymieszane</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="76"/>
        <source>No answers file chosen.</source>
        <translation>Nie wybrano pliku odpowiedzi.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="77"/>
        <source>Answers:</source>
        <translation>Odpowiedzi:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Right</source>
        <translation>Poprawne</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Asked</source>
        <translation>Zadane</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Passed</source>
        <translation>Zaliczony</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="82"/>
        <source>Results by student</source>
        <translation>Wyniki według uczniów</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Students</source>
        <translation>Uczniowie</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="85"/>
        <source>Results by question</source>
        <translation>Wyniki według pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="89"/>
        <source>&amp;Open Answers...</source>
        <translation>&amp;Otwórz odpowiedzi...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="90"/>
        <source>&amp;Grade Again</source>
        <translation>Oceń &amp;ponownie</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="91"/>
        <source>Sa&amp;ve as CSV...</source>
        <translation>Zapisz jako &amp;CSV...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="92"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="93"/>
        <source>&amp;Record in Results</source>
        <translation>Dodaj do wy&amp;ników</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="126"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>Nie można odczytać zapisanych wydruków: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="134"/>
        <source>earlier</source>
        <translation>wcześniejszy</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="146"/>
        <source>Choose the run the sheets were printed in. Give the seed, versions and shuffles only for a print that is not listed.</source>
        <translation>Należy wybrać wydruk, w którym wydrukowano karty. Ziarno, liczbę wersji i mieszanie należy podać tylko dla wydruku, którego nie ma na liście.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="150"/>
        <source>No print of this test is on record: give the seed, the number of versions and the shuffles it was printed with.</source>
        <translation>Brak zapisanego wydruku tego testu: należy podać ziarno, liczbę wersji i mieszanie użyte przy drukowaniu.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <source>Select Answers to Grade</source>
        <translation>Wybierz odpowiedzi do oceny</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>CSV Files|*.csv|All Files|*.*</source>
        <translation>Pliki CSV|*.csv|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="216"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>Ziarno musi być liczbą całkowitą o długości do 18 cyfr.</translation>
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
        <translation>Karty znacznie lepiej pasują do innego wydruku (%1) niż do tego, według którego zostały ocenione. Mimo to zapisać te wyniki?</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>Save Results as CSV</source>
        <translation>Zapisz wyniki jako CSV</translation>
    </message>
</context>
<context>
    <name>THelpTopicWindow</name>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="29"/>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="30"/>
        <source>Making and running a test</source>
        <translation>Tworzenie i przeprowadzanie testu</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="31"/>
        <source>The main window</source>
        <translation>Okno główne</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="32"/>
        <source>Questions and answers</source>
        <translation>Pytania i odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="33"/>
        <source>Hot links, media files and Jump To</source>
        <translation>Odnośniki, pliki multimedialne i Przejdź do</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="35"/>
        <source>Global test settings</source>
        <translation>Ustawienia globalne testu</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="36"/>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="37"/>
        <source>Classroom</source>
        <translation>Sala lekcyjna</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="38"/>
        <source>Client configuration</source>
        <translation>Konfiguracja klienta</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="39"/>
        <source>Taking a test with Quizwell Client</source>
        <translation>Rozwiązywanie testu w programie Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="41"/>
        <source>Help for students</source>
        <translation>Pomoc dla uczniów</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="42"/>
        <source>Paper tests: printing and grading</source>
        <translation>Testy papierowe: drukowanie i ocenianie</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="44"/>
        <source>Scanning answer sheets</source>
        <translation>Skanowanie kart odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="45"/>
        <source>Importing and exporting questions</source>
        <translation>Importowanie i eksportowanie pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="46"/>
        <source>Files the maker writes</source>
        <translation>Pliki zapisywane przez program</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="47"/>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="48"/>
        <source>About Quizwell Maker</source>
        <translation>O programie Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="61"/>
        <source>Quizwell Client Help</source>
        <translation>Pomoc programu Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="62"/>
        <source>Quizwell Maker Help</source>
        <translation>Pomoc programu Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="66"/>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="68"/>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="71"/>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="18"/>
        <source>Test History</source>
        <translation>Historia testów</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Student</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Questions</source>
        <translation>Pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Right</source>
        <translation>Poprawne</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Time taken</source>
        <translation>Czas rozwiązywania</translation>
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
        <translation>&amp;Eksportuj CSV...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="45"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="59"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Pliki CSV|*.CSV|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="61"/>
        <source>Export History</source>
        <translation>Eksportuj historię</translation>
    </message>
</context>
<context>
    <name>TLossReportForm</name>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="16"/>
        <source>What was not carried over</source>
        <translation>Czego nie przeniesiono</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="31"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
</context>
<context>
    <name>TMMediaForm</name>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="24"/>
        <source>Media file should contain a valid extension of... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>or a FACTVAULT query.<byte value="xd"/><byte value="xd"/>If not, then an attempt to launch the file will be made.</source>
        <translation>Plik multimedialny powinien mieć jedno z prawidłowych rozszerzeń... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>lub być zapytaniem FACTVAULT.<byte value="xd"/><byte value="xd"/>W przeciwnym razie zostanie podjęta próba uruchomienia pliku.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="49"/>
        <source>Media File Parameters</source>
        <translation>Parametry pliku multimedialnego</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="51"/>
        <source>Media file to display</source>
        <translation>Plik multimedialny do wyświetlenia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="60"/>
        <source>&amp;Browse</source>
        <translation>&amp;Przeglądaj</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="62"/>
        <source>Use internal viewer (AVI, BMP, TXT, RTF, WAV files only)</source>
        <translation>Użyj wbudowanej przeglądarki (tylko pliki AVI, BMP, TXT, RTF, WAV)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="66"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="67"/>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="68"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="81"/>
        <source>Supported media file types are; AVI - Windows Video, BMP - Bitmap, RTF - Rich Text, TXT - Plain Text, and WAV - Audio.</source>
        <translation>Obsługiwane typy plików multimedialnych to: AVI – wideo Windows, BMP – mapa bitowa, RTF – tekst sformatowany, TXT – zwykły tekst oraz WAV – dźwięk.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="83"/>
        <source>You can also perform a FactVault(tm) query.  To do so enter: FACTVAULT:Query String.  See help for more information.</source>
        <translation>Można też wykonać zapytanie FactVault(tm).  W tym celu należy wpisać: FACTVAULT:treść zapytania.  Więcej informacji zawiera pomoc.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="85"/>
        <source>Simply entering a file name will make Quizwell look in the same folder that it is running in.  You can also provide a relative path using \.  </source>
        <translation>Jeśli zostanie podana sama nazwa pliku, program Quizwell będzie go szukał w folderze, z którego został uruchomiony.  Można też podać ścieżkę względną, używając znaku \.    </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="87"/>
        <source>For example, &quot;\MEDIA\SOUND.WAV&quot; would look in the media folder under the folder that Quizwell is running from for the file sound.wav</source>
        <translation>Na przykład „\MEDIA\SOUND.WAV” oznacza szukanie pliku sound.wav w folderze media znajdującym się w folderze, z którego uruchomiono program Quizwell</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="34"/>
        <source>Test is not loaded.  Create a new test or load an existing one.</source>
        <translation>Test nie jest wczytany.  Należy utworzyć nowy test lub wczytać istniejący.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="38"/>
        <source>Test is not loaded. Create a new test or load an existing one.</source>
        <translation>Test nie jest wczytany. Należy utworzyć nowy test lub wczytać istniejący.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="42"/>
        <source>Please make your selection now.</source>
        <translation>Proszę dokonać wyboru.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="392"/>
        <source>A test file with that name exists!<byte value="xd"/>Overwrite existing test file?</source>
        <translation>Plik testu o tej nazwie już istnieje!<byte value="xd"/>Zastąpić istniejący plik testu?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="398"/>
        <source>The test file %1 could not be replaced: %2.<byte value="xd"/>Nothing was changed.</source>
        <extracomment>%1 is the test&apos;s file, %2 why it could not be replaced.</extracomment>
        <translation>Nie można zastąpić pliku testu %1: %2.<byte value="xd"/>Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Specify the filename for the new test</source>
        <translation>Podaj nazwę pliku nowego testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Quizwell Files|*.QWT</source>
        <translation>Pliki Quizwell|*.QWT</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="67"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <translation>Pliki Quizwell|*.QWT|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Select Text File to Encrypt</source>
        <translation>Wybierz plik tekstowy do zaszyfrowania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Unencrypted Test files|*.TXT|All Files|*.*</source>
        <translation>Niezaszyfrowane pliki testów|*.TXT|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Select Test Name to Save to</source>
        <translation>Wybierz nazwę testu do zapisania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Test Files|*.QWT|All Files|*.*</source>
        <translation>Pliki testów|*.QWT|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Select Test to Decrypt</source>
        <translation>Wybierz test do odszyfrowania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Encrypted Test Files|*.QWT|All Files|*.*</source>
        <translation>Zaszyfrowane pliki testów|*.QWT|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Select Text File to Save to</source>
        <translation>Wybierz plik tekstowy do zapisania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Text Files|*.TXT|All Files|*.*</source>
        <translation>Pliki tekstowe|*.TXT|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="76"/>
        <source>Application Files|*.EXE|All Files|*.*</source>
        <translation>Pliki aplikacji|*.EXE|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="79"/>
        <source>Export Questions to</source>
        <translation>Eksportuj pytania do</translation>
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
        <translation>&amp;Nowy test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="123"/>
        <source>&amp;Load Test</source>
        <translation>&amp;Wczytaj test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="124"/>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="130"/>
        <source>Tests found in current folder</source>
        <translation>Testy znalezione w bieżącym folderze</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="160"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="241"/>
        <source>&amp;Global Test Settings</source>
        <translation>&amp;Ustawienia globalne testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="161"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="243"/>
        <source>&amp;Questions and Answers</source>
        <translation>Pytania i &amp;odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="162"/>
        <source>&amp;Client Configuration</source>
        <translation>&amp;Konfiguracja klienta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="189"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="227"/>
        <source>&amp;Results...</source>
        <translation>W&amp;yniki...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="214"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="216"/>
        <source>&amp;Load a test</source>
        <translation>&amp;Wczytaj test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="218"/>
        <source>Encrypt Text File to Test</source>
        <translation>Zaszyfruj plik tekstowy jako test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="220"/>
        <source>Decrypt Test to Text File</source>
        <translation>Odszyfruj test do pliku tekstowego</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="223"/>
        <source>&amp;Print Test...</source>
        <translation>&amp;Drukuj test...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="224"/>
        <source>&amp;Grade Answers...</source>
        <translation>&amp;Oceń odpowiedzi...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="226"/>
        <source>&amp;Scan Answer Sheets...</source>
        <translation>&amp;Skanuj karty odpowiedzi...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="228"/>
        <source>&amp;Import Questions...</source>
        <translation>&amp;Importuj pytania...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="229"/>
        <source>E&amp;xport Questions...</source>
        <translation>&amp;Eksportuj pytania...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="230"/>
        <source>Find D&amp;uplicate Questions...</source>
        <translation>Znajdź powtó&amp;rzone pytania...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="233"/>
        <source>Launch Quizwell &amp;Client</source>
        <translation>Uruchom Quizwell &amp;Client</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="235"/>
        <source>Pre&amp;view Test</source>
        <translation>&amp;Podgląd testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="236"/>
        <source>Run in Cl&amp;assroom...</source>
        <translation>Uruchom w sali &amp;lekcyjnej...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="238"/>
        <source>&amp;Exit                     Alt-F4</source>
        <translation>&amp;Zakończ                  Alt-F4</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="240"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="244"/>
        <source>&amp;Search Tests...</source>
        <translation>&amp;Szukaj w testach...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="247"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="248"/>
        <source>&amp;Contents                 F1</source>
        <translation>&amp;Spis treści              F1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="250"/>
        <source>Quizwell on the &amp;Web</source>
        <translation>Quizwell w &amp;internecie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="256"/>
        <source>Quizwell Maker &amp;Home Page</source>
        <translation>&amp;Strona domowa Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="257"/>
        <source>&amp;Tips for Writing Tests</source>
        <translation>&amp;Porady dotyczące pisania testów</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="258"/>
        <source>&amp;Support</source>
        <translation>&amp;Wsparcie techniczne</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="259"/>
        <source>Check for &amp;Updates</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="266"/>
        <source>&amp;About Quizwell Maker</source>
        <translation>&amp;O programie Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="302"/>
        <source>This is the Instructor Test Maker.<byte value="xd"/>Do not distribute with Quizwell.</source>
        <translation>To jest program do tworzenia testów dla nauczycieli.<byte value="xd"/>Nie należy go rozpowszechniać razem z programem Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="308"/>
        <source>The test file: %1<byte value="xd"/>is corrupt and can not be decoded.<byte value="xd"/>It will not be loaded.</source>
        <translation>Plik testu: %1<byte value="xd"/>jest uszkodzony i nie można go odkodować.<byte value="xd"/>Nie zostanie wczytany.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="313"/>
        <source>The test file: %1<byte value="xd"/>can not be read: %2.<byte value="xd"/>It will not be loaded.</source>
        <extracomment>%1 is the test&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>Plik testu: %1<byte value="xd"/>nie może zostać odczytany: %2.<byte value="xd"/>Nie zostanie wczytany.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="317"/>
        <source>Only the first %1 tests in this folder can be listed.<byte value="xd"/></source>
        <translation>Na liście można wyświetlić tylko %1 pierwszych testów z tego folderu.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="319"/>
        <source>1 more test file (*.QWT) was found and is not listed.</source>
        <translation>Znaleziono jeszcze 1 plik testu (*.QWT), którego nie ma na liście.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="320"/>
        <source>%1 more test files (*.QWT) were found and are not listed.</source>
        <translation>Znaleziono jeszcze pliki testów (*.QWT), których nie ma na liście: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="326"/>
        <source>Did not find any tests.<byte value="xd"/>All tests (*.QWT) should be in the same folder as this program.</source>
        <translation>Nie znaleziono żadnych testów.<byte value="xd"/>Wszystkie testy (*.QWT) powinny się znajdować w tym samym folderze co ten program.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="345"/>
        <source>Could not get test name!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>Nie można ustalić nazwy testu!<byte value="xd"/>Należy spróbować ponownie lub zainstalować program od nowa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="350"/>
        <source>Could not get file name for test!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>Nie można ustalić nazwy pliku testu!<byte value="xd"/>Należy spróbować ponownie lub zainstalować program od nowa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="354"/>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="171"/>
        <source>The test named %1 was not found!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>Nie znaleziono testu o nazwie %1!<byte value="xd"/>Należy spróbować ponownie lub zainstalować program od nowa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="415"/>
        <source>No description (%1)</source>
        <extracomment>The status line of a new test; %1 is its file name.</extracomment>
        <translation>Brak opisu (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="426"/>
        <source>%1 is saved in %2, outside the working folder %3.<byte value="xd"/>The list of tests shows only the tests in the working folder, and the engine finds them there.<byte value="xd"/>To work on this test another time, open it with Load Test.</source>
        <extracomment>%1 is the test&apos;s file name, %2 the folder it is saved in, %3 the working folder.</extracomment>
        <translation>Test %1 jest zapisany w folderze %2, poza folderem roboczym %3.<byte value="xd"/>Lista testów pokazuje tylko testy z folderu roboczego i tam też znajduje je program testujący.<byte value="xd"/>Aby pracować nad tym testem innym razem, należy otworzyć go poleceniem Wczytaj test.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="454"/>
        <source>Could not read test description.<byte value="xd"/>Test is not valid manually edit or delete.</source>
        <translation>Nie można odczytać opisu testu.<byte value="xd"/>Test jest nieprawidłowy; należy go poprawić ręcznie lub usunąć.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="21"/>
        <source>The test has been encrypted.</source>
        <translation>Test został zaszyfrowany.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="26"/>
        <source>The test has been Decrypted.</source>
        <translation>Test został odszyfrowany.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="57"/>
        <source>The file %1 exists.<byte value="xd"/>Convert into it, replacing the values it holds?</source>
        <translation>Plik %1 już istnieje.<byte value="xd"/>Przekonwertować do tego pliku, zastępując jego zawartość?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="66"/>
        <source>These questions were not converted: %1.<byte value="xd"/>A test holds the questions up to the first empty one, and at most %2.</source>
        <extracomment>%1 lists question numbers, %2 is the most questions a test holds.</extracomment>
        <translation>Tych pytań nie przekonwertowano: %1.<byte value="xd"/>Test zawiera pytania do pierwszego pustego, najwyżej %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="111"/>
        <source>Load a test first: the classroom runs the current test.</source>
        <translation>Najpierw należy wczytać test: w sali lekcyjnej przeprowadzany jest bieżący test.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="138"/>
        <source>QWTEST.EXE not found in current folder.<byte value="xd"/>Would you like to find and run it?</source>
        <translation>Nie znaleziono pliku QWTEST.EXE w bieżącym folderze.<byte value="xd"/>Odszukać go i uruchomić?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="140"/>
        <source>%1 in current folder cannot be started: %2.<byte value="xd"/>Would you like to find and run another?</source>
        <translation>Nie można uruchomić %1 z bieżącego folderu: %2.<byte value="xd"/>Odszukać i uruchomić inny?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="147"/>
        <source>%1 was not found.</source>
        <translation>Nie znaleziono %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="150"/>
        <source>%1 cannot be started: %2.</source>
        <translation>Nie można uruchomić %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="161"/>
        <source>Load a test first, or choose one in the list: the results shown are that test&apos;s.</source>
        <translation>Najpierw należy wczytać test lub wybrać go z listy: wyświetlane są wyniki tego testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="204"/>
        <source>These tests could not be read and are not compared:<byte value="xd"/>%1</source>
        <translation>Nie można odczytać tych testów, dlatego nie zostały porównane:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="121"/>
        <source>Name the file for the system it is for: .gift for GIFT, .txt for Aiken, .xml for Moodle XML, .zip for a QTI package, .csv for a spreadsheet.</source>
        <translation>Nazwa pliku powinna odpowiadać systemowi, dla którego jest przeznaczony: .gift dla GIFT, .txt dla Aiken, .xml dla Moodle XML, .zip dla pakietu QTI, .csv dla arkusza kalkulacyjnego.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="127"/>
        <source>The questions of %1 have been exported to %2.</source>
        <translation>Pytania testu %1 zostały wyeksportowane do %2.</translation>
    </message>
</context>
<context>
    <name>TNoteForm</name>
    <message>
        <location filename="../src/ui/maker/NoteForm.cpp" line="23"/>
        <source>Notice</source>
        <translation>Powiadomienie</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="50"/>
        <source>Print Test</source>
        <translation>Drukowanie testu</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="52"/>
        <source>Versions</source>
        <translation>Wersje</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="56"/>
        <source>Versions are named A, B, C, ...</source>
        <translation>Wersje są oznaczane literami A, B, C, ...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="57"/>
        <source>&amp;Number of versions:</source>
        <translation>Liczba &amp;wersji:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="59"/>
        <source>Shuffle the &amp;questions</source>
        <translation>&amp;Losowa kolejność pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="61"/>
        <source>Shuffle the &amp;answers of each question</source>
        <translation>Losowa kolejność &amp;odpowiedzi w każdym pytaniu</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="67"/>
        <source>The same seed makes the same versions again; note it to grade them.</source>
        <translation>To samo ziarno daje ponownie te same wersje; aby je ocenić, należy zanotować ziarno.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="68"/>
        <source>Ne&amp;w</source>
        <translation>&amp;Nowe</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="71"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Ziarno:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="74"/>
        <source>Balance the versions&apos; e&amp;xpected scores</source>
        <translation>Wyrównaj o&amp;czekiwane wyniki wersji</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="77"/>
        <source>Versions are balanced when the test draws its questions from a blueprint</source>
        <translation>Wersje są wyrównywane, gdy test losuje pytania według planu</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="78"/>
        <source>Draws the versions from the blueprint so that their expected mean scores, from the results recorded, match</source>
        <translation>Losuje wersje według planu tak, aby ich oczekiwane średnie wyniki, wyliczone z zapisanych wyników, były zgodne</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="84"/>
        <source>Include</source>
        <translation>Uwzględnij</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="86"/>
        <source>The q&amp;uestions</source>
        <translation>P&amp;ytania</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="87"/>
        <source>A name, date and c&amp;lass line</source>
        <translation>Wiersz na imię i nazwisko, datę i &amp;klasę</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="88"/>
        <source>The &amp;begin message</source>
        <translation>Komunikat &amp;początkowy</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="89"/>
        <source>An answer s&amp;heet for each version</source>
        <translation>K&amp;arta odpowiedzi dla każdej wersji</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="90"/>
        <source>Sheets the scanner reads: a box per answer, corner marks and a QR code</source>
        <translation>Karty odczytywane przez skaner: pole na każdą odpowiedź, znaczniki narożne i kod QR</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="94"/>
        <source>Columns of boxes for a student number; 0 for none</source>
        <translation>Kolumny pól na numer ucznia; 0 oznacza brak</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="96"/>
        <source>Student nu&amp;mber digits:</source>
        <translation>Liczba cyfr numeru &amp;ucznia:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="103"/>
        <source>One per student, each with its own serial; 1 prints a sheet to photocopy</source>
        <translation>Jedna karta na ucznia, każda z własnym numerem seryjnym; 1 oznacza jedną kartę do skserowania</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="105"/>
        <source>Shee&amp;ts per version:</source>
        <translation>Kar&amp;ty na wersję:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="112"/>
        <source>The answer &amp;keys, on their own pages</source>
        <translation>Klucz&amp;e odpowiedzi na osobnych stronach</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="115"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="116"/>
        <source>Pre&amp;view...</source>
        <translation>Pod&amp;gląd...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="117"/>
        <source>Save as P&amp;DF...</source>
        <translation>Zapisz jako PD&amp;F...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="118"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="137"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>Ziarno musi być liczbą całkowitą o długości do 18 cyfr.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="163"/>
        <source>The results could not be read: %1</source>
        <translation>Nie można odczytać wyników: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="178"/>
        <source>A sheet of %1 pages to photocopy needs a student number on every page to put its pages together: give the student number digits, or print a sheet per student.</source>
        <extracomment>%1 is how many pages one student&apos;s answer sheet takes.</extracomment>
        <translation>Karta do skserowania (liczba stron: %1) wymaga numeru ucznia na każdej stronie, aby można było połączyć jej strony: należy podać liczbę cyfr numeru ucznia lub wydrukować osobną kartę dla każdego ucznia.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="196"/>
        <source>The printer could not be started.</source>
        <translation>Nie można uruchomić drukarki.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="200"/>
        <source>The test has been sent to the printer.</source>
        <translation>Test został wysłany do drukarki.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="206"/>
        <source>These pictures are not printed:</source>
        <translation>Te obrazy nie zostały wydrukowane:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="212"/>
        <source>Recorded as print run %1 for grading.</source>
        <translation>Zapisano jako wydruk nr %1 do oceniania.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="215"/>
        <source>Seed %1 was printed before as run %2 with other questions drawn: the sheets of the two prints cannot be told apart, so neither is graded when scanned. Print again with a new seed.</source>
        <extracomment>%1 is the seed, %2 the number of the earlier print run.</extracomment>
        <translation>Ziarno %1 zostało już użyte w wydruku %2, w którym wylosowano inne pytania: kart z obu wydruków nie da się odróżnić, więc przy skanowaniu żadna nie zostanie oceniona. Wydrukuj ponownie z nowym ziarnem.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="223"/>
        <source>The print run could not be recorded for grading: %1</source>
        <extracomment>%1 is the reason the results store gives.</extracomment>
        <translation>Nie można zapisać wydruku do oceniania: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="224"/>
        <source>Note seed %1 to grade the sheets.</source>
        <translation>Aby ocenić karty, należy zanotować ziarno %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>Save Test as PDF</source>
        <translation>Zapisz test jako PDF</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>PDF Files|*.pdf|All Files|*.*</source>
        <translation>Pliki PDF|*.pdf|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="252"/>
        <source>The PDF could not be made.</source>
        <translation>Nie można utworzyć pliku PDF.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="256"/>
        <source>The test has been saved as a PDF of %1 pages:<byte value="xd"/>%2</source>
        <extracomment>%2 is the PDF&apos;s path, on a line of its own.</extracomment>
        <translation>Test został zapisany jako plik PDF (liczba stron: %1):<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="26"/>
        <source>&quot;%1&quot;: give a category, &quot;=&quot; and how many questions to ask</source>
        <extracomment>%1 is a line of a blueprint as the teacher gave it.</extracomment>
        <translation>„%1”: należy podać kategorię, „=” i liczbę pytań do zadania</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="31"/>
        <source>%1: ask from 1 to %2 questions, not &quot;%3&quot;</source>
        <extracomment>%1 is a category, %2 the most questions a test holds, %3 what was given for it.</extracomment>
        <translation>%1: należy zadać od 1 do %2 pytań, a nie „%3”</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="35"/>
        <source>%1: named twice</source>
        <extracomment>%1 is a category.</extracomment>
        <translation>%1: podana dwukrotnie</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="38"/>
        <source>%1: %2 asked, %3 in the test</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many the test has.</extracomment>
        <translation>%1: %2 do zadania, w teście %3</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="44"/>
        <source>%1: %2 asked, %3 needed for one of each tag</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many one of each tag takes.</extracomment>
        <translation>%1: %2 do zadania, a po jednym z każdego znacznika potrzeba %3</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="51"/>
        <source>the blueprint does not read (%1): every question is printed</source>
        <extracomment>%1 says why the test&apos;s blueprint does not read.</extracomment>
        <translation>nie można odczytać planu (%1): drukowane są wszystkie pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="58"/>
        <source>no statistics for these questions yet: versions drawn at random</source>
        <translation>brak jeszcze statystyk dla tych pytań: wersje wylosowano bez wyrównywania</translation>
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
        <translation>oczekiwana średnia: %1 (rozrzut %2 pkt)</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="72"/>
        <source>expected mean: %1 (spread %2 points); %n questions without statistics counted at the mean</source>
        <extracomment>%1 lists each version&apos;s expected mean score, %2 the highest less the lowest; %n questions have no statistics.</extracomment>
        <translation>
            <numerusform>oczekiwana średnia: %1 (rozrzut %2 pkt); %n pytanie bez statystyk policzono na poziomie średniej</numerusform>
            <numerusform>oczekiwana średnia: %1 (rozrzut %2 pkt); %n pytania bez statystyk policzono na poziomie średniej</numerusform>
            <numerusform>oczekiwana średnia: %1 (rozrzut %2 pkt); %n pytań bez statystyk policzono na poziomie średniej</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQAForm</name>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="49"/>
        <source>Quizwell only supports up to 500 questions.</source>
        <translation>Quizwell obsługuje najwyżej 500 pytań.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="52"/>
        <source>Delete this question?</source>
        <translation>Usunąć to pytanie?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="55"/>
        <source>Question has been deleted.</source>
        <translation>Pytanie zostało usunięte.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="29"/>
        <source>Any changes made since you last saved will be lost!<byte value="xd"/>Would you like to exit?</source>
        <translation>Wszystkie zmiany wprowadzone od ostatniego zapisania zostaną utracone!<byte value="xd"/>Zakończyć mimo to?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="33"/>
        <source>This will reload the test from disk.<byte value="xd"/>Any changes you have made will be lost!<byte value="xd"/>Are you sure that you want to revert?</source>
        <translation>Test zostanie ponownie wczytany z dysku.<byte value="xd"/>Wszystkie wprowadzone zmiany zostaną utracone!<byte value="xd"/>Czy na pewno przywrócić zapisaną wersję?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="39"/>
        <source>Changes saved. Would you like to continue editing?</source>
        <translation>Zmiany zostały zapisane. Kontynuować edycję?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="42"/>
        <source>Save the changes to %1 before closing?</source>
        <translation>Zapisać zmiany w %1 przed zamknięciem?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="45"/>
        <source>The questions of this test were not numbered in sequence.<byte value="xd"/>They are shown renumbered, and Save stores them under the new numbers.</source>
        <translation>Pytania tego testu nie były ponumerowane kolejno.<byte value="xd"/>Są wyświetlane z nową numeracją, a polecenie Zapisz test zapisze je pod nowymi numerami.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="59"/>
        <source>These questions have no question text, so they cannot be saved: %1.<byte value="xd"/>Their answers and other entries will be lost.<byte value="xd"/>Save without them?</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>Te pytania nie mają treści, dlatego nie można ich zapisać: %1.<byte value="xd"/>Ich odpowiedzi i pozostałe wpisy zostaną utracone.<byte value="xd"/>Zapisać bez nich?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="67"/>
        <source>These empty questions were not saved: %1.<byte value="xd"/>The questions after them were saved under numbers that close the gap.</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>Tych pustych pytań nie zapisano: %1.<byte value="xd"/>Pytania po nich zapisano pod numerami, które wypełniają lukę.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="73"/>
        <source>The test file %1 was deleted while it was being edited.<byte value="xd"/>It was written anew: the settings of a new test and these questions.</source>
        <translation>Plik testu %1 został usunięty w trakcie edycji.<byte value="xd"/>Został zapisany od nowa: z ustawieniami nowego testu i tymi pytaniami.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="24"/>
        <source>No spelling dictionary for %1 is installed, so spelling is not checked.</source>
        <extracomment>%1 is a language, as &quot;en_US&quot;.</extracomment>
        <translation>Nie zainstalowano słownika ortograficznego dla języka %1, dlatego pisownia nie jest sprawdzana.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="80"/>
        <source>Loading questions.  Please wait...</source>
        <translation>Wczytywanie pytań.  Proszę czekać...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="83"/>
        <source>Saving questions.  Please wait...</source>
        <translation>Zapisywanie pytań.  Proszę czekać...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="93"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="332"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="105"/>
        <source>Reference</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="114"/>
        <source>Mechanics/Forces</source>
        <translation>Mechanika/Siły</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="116"/>
        <source>tags, separated by commas</source>
        <translation>znaczniki oddzielone przecinkami</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Tags</source>
        <translation>Znaczniki</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="188"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="189"/>
        <source>&amp;Save Test</source>
        <translation>&amp;Zapisz test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="191"/>
        <source>&amp;Revert Test</source>
        <translation>Przy&amp;wróć zapisany test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="192"/>
        <source>&amp;Preview Test</source>
        <translation>&amp;Podgląd testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="193"/>
        <source>&amp;Import Questions...</source>
        <translation>&amp;Importuj pytania...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="195"/>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="197"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="198"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo</source>
        <extracomment>%1 names the change undone, as &quot;Typing&quot;.</extracomment>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="200"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo</source>
        <extracomment>%1 names the change redone, as &quot;Typing&quot;.</extracomment>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="214"/>
        <source>&amp;Add New Question</source>
        <translation>&amp;Dodaj nowe pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="216"/>
        <source>&amp;Delete Current Question</source>
        <translation>&amp;Usuń bieżące pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="218"/>
        <source>&amp;Find...</source>
        <translation>&amp;Znajdź...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="219"/>
        <source>R&amp;eplace...</source>
        <translation>Za&amp;mień...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="222"/>
        <source>Check &amp;Spelling of the Whole Test</source>
        <translation>Sprawdź p&amp;isownię całego testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="224"/>
        <source>Spelling &amp;Language</source>
        <translation>&amp;Język pisowni</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="233"/>
        <source>&amp;Navigate</source>
        <translation>&amp;Nawigacja</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="234"/>
        <source>&amp;Next</source>
        <translation>&amp;Następne</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="236"/>
        <source>&amp;Previous</source>
        <translation>&amp;Poprzednie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="239"/>
        <source>&amp;Top</source>
        <translation>Pie&amp;rwsze</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="240"/>
        <source>&amp;Bottom</source>
        <translation>&amp;Ostatnie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="242"/>
        <source>Jump to...</source>
        <translation>Przejdź do...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="243"/>
        <source>Question &amp;List...</source>
        <translation>&amp;Lista pytań...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="245"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="278"/>
        <source>Save Test</source>
        <translation>Zapisz test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="279"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="281"/>
        <source>Revert Test</source>
        <translation>Przywróć zapisany test</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="299"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="301"/>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="305"/>
        <source>Bottom</source>
        <translation>Ostatnie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="306"/>
        <source>Previous</source>
        <translation>Poprzednie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="307"/>
        <source>Next</source>
        <translation>Następne</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="308"/>
        <source>Top</source>
        <translation>Pierwsze</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="309"/>
        <source>Jump To...</source>
        <translation>Przejdź do...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="311"/>
        <source>Add New Question</source>
        <translation>Dodaj nowe pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="312"/>
        <source>Delete Current Question</source>
        <translation>Usuń bieżące pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="321"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="358"/>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="322"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="359"/>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="342"/>
        <source>Click to add a hot link.</source>
        <translation>Kliknij, aby dodać odnośnik.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="343"/>
        <source>Click to add media file</source>
        <translation>Kliknij, aby dodać plik multimedialny</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="350"/>
        <source>Enter up to 6 answers.  Check the box next to each correct answer.</source>
        <translation>Można wpisać do 6 odpowiedzi.  Poprawne należy zaznaczyć.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="379"/>
        <source>Answer %1</source>
        <extracomment>Read out by a screen reader; %1 is the answer&apos;s letter.</extracomment>
        <translation>Odpowiedź %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="380"/>
        <source>Answer %1 is correct</source>
        <translation>Odpowiedź %1 jest poprawna</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="393"/>
        <source>All answers must be correct to pass</source>
        <translation>Do zaliczenia wymagane są wszystkie poprawne odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="395"/>
        <source>Any correct answer is concidered a pass</source>
        <translation>Dowolna poprawna odpowiedź oznacza zaliczenie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="501"/>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="153"/>
        <source>Set Category</source>
        <translation>Ustawienie kategorii</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="506"/>
        <source>Move Question</source>
        <translation>Przeniesienie pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="75"/>
        <source>(no suggestions)</source>
        <translation>(brak propozycji)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="80"/>
        <source>Add to word list</source>
        <translation>Dodaj do słownika</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="85"/>
        <source>Ignore</source>
        <translation>Ignoruj</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="102"/>
        <source>No unknown words</source>
        <translation>Brak nieznanych słów</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="103"/>
        <source>1 unknown word</source>
        <translation>1 nieznane słowo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="104"/>
        <source>%1 unknown words</source>
        <translation>Nieznane słowa: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="164"/>
        <source>Save changes before the preview?<byte value="xd"/>The preview shows the test as saved.</source>
        <translation>Zapisać zmiany przed podglądem?<byte value="xd"/>Podgląd pokazuje test w postaci zapisanej.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="185"/>
        <source>Import</source>
        <translation>Import pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="515"/>
        <source>Add Question</source>
        <translation>Dodanie pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="524"/>
        <source>Delete Question</source>
        <translation>Usunięcie pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="535"/>
        <source>Paste Question</source>
        <translation>Wklejenie pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="545"/>
        <source>Paste Answers</source>
        <translation>Wklejenie odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="154"/>
        <source>Set Tags</source>
        <translation>Ustawienie znaczników</translation>
    </message>
</context>
<context>
    <name>TQuestionForm</name>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="119"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;Odnośnik</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="120"/>
        <source>&amp;Reference</source>
        <translation>Ź&amp;ródło</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="121"/>
        <source>&amp;Media</source>
        <translation>&amp;Multimedia</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="122"/>
        <source>Chec&amp;k</source>
        <translation>&amp;Sprawdź</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="129"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Poprzednie</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="130"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Następne &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="131"/>
        <source>Finish &amp;Test</source>
        <translation>&amp;Zakończ test</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="178"/>
        <source>Question %1 of %2</source>
        <translation>Pytanie %1 z %2</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="184"/>
        <source>(choose any that apply)</source>
        <translation>(należy wybrać dowolne pasujące odpowiedzi)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="185"/>
        <source>(choose all that apply)</source>
        <translation>(należy wybrać wszystkie pasujące odpowiedzi)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="255"/>
        <source>✔ right</source>
        <extracomment>Marks shown after a checked answer.</extracomment>
        <translation>✔ dobrze</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="257"/>
        <source>✘ wrong</source>
        <translation>✘ źle</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="259"/>
        <source>✔ correct answer</source>
        <translation>✔ poprawna odpowiedź</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Right!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Wrong.</source>
        <translation>Źle.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="268"/>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="356"/>
        <source>Reference: %1</source>
        <translation>Źródło: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="286"/>
        <source>Please answer this question before going on.</source>
        <translation>Przed przejściem dalej należy odpowiedzieć na to pytanie.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/QuestionForm.cpp" line="313"/>
        <source>%n question(s) have no answer and will count as wrong.<byte value="xd"/>Finish the test now?</source>
        <translation>
            <numerusform>%n pytanie nie ma odpowiedzi i zostanie uznane za błędne.<byte value="xd"/>Zakończyć test teraz?</numerusform>
            <numerusform>%n pytania nie mają odpowiedzi i zostaną uznane za błędne.<byte value="xd"/>Zakończyć test teraz?</numerusform>
            <numerusform>%n pytań nie ma odpowiedzi i zostanie uznanych za błędne.<byte value="xd"/>Zakończyć test teraz?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="314"/>
        <source>Every question has an answer.<byte value="xd"/>Finish the test now? No answer can be changed afterwards.</source>
        <translation>Każde pytanie ma odpowiedź.<byte value="xd"/>Zakończyć test teraz? Później nie będzie można zmienić żadnej odpowiedzi.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="322"/>
        <source>End the test now? It is scored as it stands.</source>
        <translation>Zakończyć test teraz? Zostanie oceniony w obecnym stanie.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="369"/>
        <source>Elapsed: %1</source>
        <translation>Upłynęło: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="370"/>
        <source>Remaining: %1</source>
        <translation>Pozostało: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="372"/>
        <source>Elapsed %1</source>
        <translation>Upłynęło %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="375"/>
        <source>Left %1</source>
        <extracomment>The time left, on the bar that shows it; %1 is hours:minutes:seconds.</extracomment>
        <translation>Zostało %1</translation>
    </message>
</context>
<context>
    <name>TQuestionListForm</name>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="70"/>
        <source>Question List</source>
        <translation>Lista pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="72"/>
        <source>Category or tag</source>
        <translation>Kategoria lub znacznik</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Tags</source>
        <translation>Znaczniki</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Asked</source>
        <translation>Zadane</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Facility</source>
        <translation>Łatwość</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Discrimination</source>
        <translation>Moc różnicująca</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Last Asked</source>
        <translation>Ostatnio zadane</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="77"/>
        <source>Key Changed</source>
        <translation>Zmiana klucza</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="91"/>
        <source>Mechanics/Forces</source>
        <translation>Mechanika/Siły</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="92"/>
        <source>Set &amp;Category</source>
        <translation>Ustaw &amp;kategorię</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="93"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="96"/>
        <source>&amp;Show:</source>
        <translation>&amp;Pokaż:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="101"/>
        <source>Category of the selected questions:</source>
        <translation>Kategoria zaznaczonych pytań:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="148"/>
        <source>changed</source>
        <translation>zmieniony</translation>
    </message>
</context>
<context>
    <name>TResultsForm</name>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="28"/>
        <source>Make &quot;%1&quot; a drop folder?<byte value="xd"/>Students can then put their results into it but not see the files there; only you can list and read them (mode 1733).</source>
        <translation>Utworzyć z „%1” folder zbiorczy?<byte value="xd"/>Uczniowie będą mogli umieszczać w nim swoje wyniki, ale nie zobaczą znajdujących się w nim plików; wyświetlać i odczytywać je może tylko właściciel folderu (tryb 1733).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="37"/>
        <source>The mode of &quot;%1&quot; could not be changed.<byte value="xd"/>%2</source>
        <translation>Nie można zmienić trybu „%1”.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>engine</source>
        <extracomment>Where an attempt came from: the engine, a paper test, a scanned sheet, the classroom or an import.</extracomment>
        <translation>program</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>paper</source>
        <translation>papier</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>scan</source>
        <translation>skan</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>classroom</source>
        <translation>sala</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="59"/>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-easy</source>
        <extracomment>The item analysis&apos;s flags of a question: answered right by nearly all, by few; telling the able students from the others weakly, the wrong way round; a wrong letter chosen by the able ones. Each is one word, hyphens for blanks: a question&apos;s flags are listed with blanks between.</extracomment>
        <translation>bardzo-łatwe</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-hard</source>
        <translation>bardzo-trudne</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>weak</source>
        <translation>słabe</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>negative</source>
        <translation>ujemne</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="26"/>
        <source>miskey</source>
        <translation>błędny-klucz</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="149"/>
        <source>%1 (any)</source>
        <extracomment>A key whose letters each pass on their own; %1 is the letters.</extracomment>
        <translation>%1 (dowolna)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="154"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Pliki CSV|*.CSV|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="67"/>
        <source>%1 of %2</source>
        <extracomment>A score: %1 questions right of %2 asked.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="72"/>
        <source>%1% (%2 of %3 passed)</source>
        <extracomment>The pass rate: %1 percent of the attempts, %2 of the %3 attempts passed.</extracomment>
        <translation>%1% (zaliczone: %2 z %3)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="29"/>
        <source>yes</source>
        <extracomment>Whether an attempt passed.</extracomment>
        <translation>tak</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="30"/>
        <source>no</source>
        <translation>nie</translation>
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
        <translation>Uczeń</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="88"/>
        <source>Student number</source>
        <translation>Numer ucznia</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="89"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="90"/>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="91"/>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="92"/>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="93"/>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="94"/>
        <source>Passed</source>
        <translation>Zaliczony</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="95"/>
        <source>Time taken</source>
        <translation>Czas rozwiązywania</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="97"/>
        <source>Questions</source>
        <extracomment>The questions an attempt asked, by their numbers in the test: &quot;1, 4, 7-9&quot;.</extracomment>
        <translation>Pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="101"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="102"/>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="193"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="298"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="103"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="123"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="249"/>
        <source>Attempts</source>
        <translation>Podejścia</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="104"/>
        <source>Facility</source>
        <translation>Łatwość</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="105"/>
        <source>Discrimination</source>
        <translation>Moc różnicująca</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="172"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="107"/>
        <source>Blank</source>
        <translation>Puste</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="108"/>
        <source>Flags</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="121"/>
        <source>Attempts by percent score</source>
        <translation>Podejścia według wyniku procentowego</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="159"/>
        <source>Question %1: who chose each answer</source>
        <translation>Pytanie %1: kto wybrał którą odpowiedź</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="161"/>
        <source>All</source>
        <translation>Wszyscy</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="162"/>
        <source>Top 27%</source>
        <translation>Górne 27%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="163"/>
        <source>Bottom 27%</source>
        <translation>Dolne 27%</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="167"/>
        <source>%1 (key)</source>
        <extracomment>An answer&apos;s letter on the chart, when it is the key; %1 is the letter.</extracomment>
        <translation>%1 (klucz)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="194"/>
        <source>Test statistics</source>
        <translation>Statystyki testu</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="195"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="352"/>
        <source>Item analysis</source>
        <translation>Analiza pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="196"/>
        <source>Regrade</source>
        <translation>Przeliczenie</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="198"/>
        <source>Export &amp;Gradebook...</source>
        <translation>Eksportuj &amp;dziennik ocen...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="199"/>
        <source>Export &amp;Item Analysis...</source>
        <translation>Eksportuj &amp;analizę pytań...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="200"/>
        <source>Export &amp;Report (PDF)...</source>
        <translation>Eksportuj &amp;raport (PDF)...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="201"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="248"/>
        <source>Results - %1</source>
        <translation>Wyniki – %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="267"/>
        <source>No results folder is set (Client Configuration, Results tab).</source>
        <translation>Nie ustawiono folderu wyników (Konfiguracja klienta, karta Wyniki).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="268"/>
        <source>Results folder: %1</source>
        <translation>Folder wyników: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="273"/>
        <source>Dates from</source>
        <translation>Daty od</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="280"/>
        <source>First day</source>
        <translation>Pierwszy dzień</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="281"/>
        <source>Last day</source>
        <translation>Ostatni dzień</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="283"/>
        <source>All sources</source>
        <translation>Wszystkie źródła</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="286"/>
        <source>All classes</source>
        <translation>Wszystkie klasy</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="291"/>
        <source>to</source>
        <extracomment>Between the first and the last day of the dates shown.</extracomment>
        <translation>do</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="299"/>
        <source>&amp;Delete Attempt...</source>
        <translation>&amp;Usuń podejście...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="300"/>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Cofnij usunięcie</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="310"/>
        <source>Make Drop &amp;Folder...</source>
        <translation>Utwórz &amp;folder zbiorczy...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="313"/>
        <source>Files not collected</source>
        <translation>Niepobrane pliki</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="324"/>
        <source>Files not collected (left in place):</source>
        <translation>Niepobrane pliki (pozostawione na miejscu):</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="359"/>
        <source>Counts per answer: all / top 27% / bottom 27%. Double-click a question to edit it.</source>
        <translation>Liczba wyborów każdej odpowiedzi: wszyscy / górne 27% / dolne 27%. Aby edytować pytanie, należy kliknąć je dwukrotnie.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="374"/>
        <source>Questions whose key changed</source>
        <translation>Pytania, których klucz się zmienił</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key marked with</source>
        <translation>Klucz przy ocenie</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key now</source>
        <translation>Obecny klucz</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="376"/>
        <source>Regrade with the &amp;Key Now</source>
        <translation>Przelicz według &amp;obecnego klucza</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="377"/>
        <source>Attempts rescored</source>
        <translation>Przeliczone podejścia</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>First score</source>
        <translation>Pierwszy wynik</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>Score now</source>
        <translation>Obecny wynik</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="381"/>
        <source>Questions whose key changed since attempts were marked:</source>
        <translation>Pytania, których klucz zmienił się od oceny podejść:</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="387"/>
        <source>Attempts rescored (each keeps its first score):</source>
        <translation>Przeliczone podejścia (każde zachowuje pierwszy wynik):</translation>
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
        <translation>Podejścia: %1
Średnia: %2%
Mediana: %3%
Odchylenie standardowe: %4
Rzetelność KR-20: %5
Standardowy błąd pomiaru: %6
Odsetek zaliczeń: %7</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="536"/>
        <source>Choose the attempt to delete first.</source>
        <translation>Najpierw należy wybrać podejście do usunięcia.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="540"/>
        <source>Delete the attempt of %1 taken %2?<byte value="xd"/>Undo Delete brings it back.</source>
        <translation>Usunąć podejście ucznia %1 z %2?<byte value="xd"/>Polecenie Cofnij usunięcie przywróci je.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/results/ResultsForm.cpp" line="561"/>
        <source>%n attempt(s) were rescored with the test&apos;s key; each keeps its first score. %1 score(s) changed.</source>
        <translation>
            <numerusform>Przeliczono %n podejście według klucza testu; każde zachowuje swój pierwszy wynik. Zmienione wyniki: %1.</numerusform>
            <numerusform>Przeliczono %n podejścia według klucza testu; każde zachowuje swój pierwszy wynik. Zmienione wyniki: %1.</numerusform>
            <numerusform>Przeliczono %n podejść według klucza testu; każde zachowuje swój pierwszy wynik. Zmienione wyniki: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="580"/>
        <source>Export Gradebook</source>
        <translation>Eksportuj dziennik ocen</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="585"/>
        <source>Export Item Analysis</source>
        <translation>Eksportuj analizę pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="593"/>
        <source>PDF Files|*.PDF|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Pliki PDF|*.PDF|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="594"/>
        <source>Export Report</source>
        <translation>Eksportuj raport</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="602"/>
        <source>Results: %1 (%2)</source>
        <translation>Wyniki: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="242"/>
        <source>Item analysis (answers: all / top 27% / bottom 27%)</source>
        <translation>Analiza pytań (odpowiedzi: wszyscy / górne 27% / dolne 27%)</translation>
    </message>
</context>
<context>
    <name>TReviewForm</name>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="17"/>
        <source>Review</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="38"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;Odnośnik</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="39"/>
        <source>&amp;Reference</source>
        <translation>Ź&amp;ródło</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="40"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Poprzednie</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="41"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Następne &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="42"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="65"/>
        <source>Nothing to review.</source>
        <translation>Nie ma nic do przejrzenia.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="76"/>
        <source>Review %1 of %2 (question %3 of the test)</source>
        <translation>Przegląd %1 z %2 (pytanie %3 testu)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>Your answer: %1</source>
        <translation>Udzielona odpowiedź: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="88"/>
        <source>Correct answer: %1 (any one of them passes)</source>
        <translation>Poprawna odpowiedź: %1 (wystarczy dowolna z nich)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="89"/>
        <source>Correct answer: %1</source>
        <translation>Poprawna odpowiedź: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="90"/>
        <source>You checked this answer during the test; it was locked from then on.</source>
        <translation>Ta odpowiedź została sprawdzona w trakcie testu; od tej chwili była zablokowana.</translation>
    </message>
</context>
<context>
    <name>TScanForm</name>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="85"/>
        <source>not a grey image</source>
        <translation>to nie jest obraz w skali szarości</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="86"/>
        <source>the image cannot be read: %1</source>
        <translation>nie można odczytać obrazu: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="87"/>
        <source>no corner markers: a blank page, or not an answer sheet</source>
        <translation>brak znaczników narożnych: pusta strona lub nie jest to karta odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="88"/>
        <source>only %1 of the four corner markers found</source>
        <translation>znaleziono tylko %1 z czterech znaczników narożnych</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="89"/>
        <source>the QR code cannot be read</source>
        <translation>nie można odczytać kodu QR</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="90"/>
        <source>the QR code is not an answer sheet&apos;s</source>
        <translation>kod QR nie pochodzi z karty odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="91"/>
        <source>the corner markers do not stand where a sheet&apos;s do (a corner torn off or folded?)</source>
        <translation>znaczniki narożne nie leżą tam, gdzie na karcie (oderwany lub zagięty róg?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="93"/>
        <source>the corner markers do not stand where a sheet&apos;s do (the page folded, or photographed more than 15 degrees aside?)</source>
        <translation>znaczniki narożne nie leżą tam, gdzie na karcie (zgięta strona lub zdjęcie zrobione pod kątem większym niż 15 stopni?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="96"/>
        <source>the QR code does not stand where the corner markers put it</source>
        <translation>kod QR nie leży tam, gdzie wskazują znaczniki narożne</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="97"/>
        <source>the page is too faint to read</source>
        <translation>strona jest zbyt blada, aby ją odczytać</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="98"/>
        <source>a box neither blank nor marked</source>
        <translation>pole ani puste, ani zaznaczone</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="99"/>
        <source>boxes neither blank nor marked</source>
        <translation>pola ani puste, ani zaznaczone</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="100"/>
        <source>marks between the boxes (a circled box?)</source>
        <translation>zaznaczenia między polami (pole zakreślone kółkiem?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="101"/>
        <source>more than one box marked</source>
        <translation>zaznaczono więcej niż jedno pole</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="102"/>
        <source>column %1 has more than one digit marked</source>
        <translation>w kolumnie %1 zaznaczono więcej niż jedną cyfrę</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="103"/>
        <source>column %1 has a box neither blank nor marked</source>
        <translation>w kolumnie %1 jest pole ani puste, ani zaznaczone</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="104"/>
        <source>column %1 is left blank</source>
        <translation>kolumna %1 jest pusta</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="125"/>
        <source>seed %1, %2</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;).</extracomment>
        <translation>ziarno %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="128"/>
        <source>seed %1, %2, %3</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;), %3 what was shuffled.</extracomment>
        <translation>ziarno %1, %2, %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="138"/>
        <source>sheet %1 of version %2</source>
        <extracomment>A sheet named inside a problem: %1 is its serial, %2 its version letter.</extracomment>
        <translation>karta %1 wersji %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="140"/>
        <source>version %1 sheet of student %2</source>
        <translation>karta wersji %1 ucznia %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="144"/>
        <source>version %1 sheet</source>
        <translation>karta wersji %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="159"/>
        <source>a page of another test (fingerprint %1)</source>
        <translation>strona innego testu (odcisk %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="161"/>
        <source>a sheet of a print that was not recorded (%1)</source>
        <translation>karta z niezapisanego wydruku (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="163"/>
        <source>a sheet of one of two prints with the same seed that drew other questions (%1): which it is cannot be known, so it is not graded</source>
        <translation>karta z jednego z dwóch wydruków o tym samym ziarnie, w których wylosowano inne pytania (%1): nie da się ustalić, z którego pochodzi, więc nie zostanie oceniona</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="168"/>
        <source>a sheet of another print than the rest of the pile (%1)</source>
        <translation>karta z innego wydruku niż pozostałe karty w stosie (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="170"/>
        <source>version %1 is not one of the %2 versions of its print</source>
        <translation>wersja %1 nie jest jedną z %2 wersji wydruku tej karty</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="174"/>
        <source>the page&apos;s student cannot be known: the student number written on every page of a photocopied sheet is missing or unclear on it</source>
        <translation>nie można ustalić ucznia tej strony: brak numeru ucznia wpisywanego na każdej stronie kserowanej karty lub jest on nieczytelny</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="183"/>
        <source>%1 has page %2 more than once (%3): which copy is whose cannot be known, so the sheet is not graded</source>
        <extracomment>%1 names the sheet, %2 is a page&apos;s number, %3 the places of its copies.</extracomment>
        <translation>%1 ma stronę %2 więcej niż raz (%3): nie da się ustalić, która kopia jest czyja, więc karta nie zostanie oceniona</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="339"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>Nie można odczytać zapisanych wydruków: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="492"/>
        <source>Warning: %1</source>
        <extracomment>%1 is what was graded all the same but should be checked.</extracomment>
        <translation>Ostrzeżenie: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="694"/>
        <source>The sheets read cannot be graded: %1</source>
        <translation>Nie można ocenić odczytanych kart: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="109"/>
        <source>%1 page %2, question %3</source>
        <extracomment>Where on the scans: %1 is a file, %2 a page&apos;s number in it, %3 a question&apos;s number on the sheet.</extracomment>
        <translation>%1 strona %2, pytanie %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="110"/>
        <source>%1 page %2, student number</source>
        <translation>%1 strona %2, numer ucznia</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="111"/>
        <source>%1 page %2</source>
        <translation>%1 strona %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="178"/>
        <source>page %1 of a version %2 sheet whose page 1 is not before it</source>
        <translation>strona %1 karty wersji %2, której nie poprzedza strona 1 tej karty</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="191"/>
        <source>%1 lacks page %2 of %3</source>
        <extracomment>%1 names the sheet, %2 the pages missing, %3 how many pages it has.</extracomment>
        <translation>%1 nie ma strony %2 z %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="195"/>
        <source>the test&apos;s questions or answers were changed after this sheet was printed: its rows are not the test&apos;s as it is now, so it cannot be graded with it</source>
        <translation>pytania lub odpowiedzi testu zostały zmienione po wydrukowaniu tej karty: jej wiersze nie odpowiadają obecnej postaci testu, dlatego nie można jej według niego ocenić</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="199"/>
        <source>its questions do not follow those of the sheet&apos;s page before</source>
        <translation>jej pytania nie są kontynuacją pytań z poprzedniej strony karty</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="201"/>
        <source>student number %1 is on more than one sheet (%2)</source>
        <translation>numer ucznia %1 występuje na więcej niż jednej karcie (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="216"/>
        <source>the test was changed after these sheets were printed: they are read with its questions and keys as they are now</source>
        <translation>test został zmieniony po wydrukowaniu tych kart: są one odczytywane według jego pytań i kluczy w obecnej postaci</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="221"/>
        <source>%1: read as pencil</source>
        <extracomment>%1 is where the page is: a file and a page&apos;s number in it.</extracomment>
        <translation>%1: odczytano jako zaznaczenia ołówkiem</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="225"/>
        <source>some sheets were printed before sheets had serials: their pages are joined by their order in the pile, so check that each sheet&apos;s pages lie together, first page first</source>
        <translation>niektóre karty wydrukowano, zanim karty otrzymywały numery seryjne: ich strony są łączone według kolejności w stosie, dlatego należy sprawdzić, czy strony każdej karty leżą razem, a pierwsza strona na początku</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="256"/>
        <source>Scan Answer Sheets</source>
        <translation>Skanowanie kart odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="260"/>
        <source>Pages read</source>
        <translation>Odczytane strony</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="268"/>
        <source>To review</source>
        <translation>Do sprawdzenia</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="274"/>
        <source>Add the scanned sheets: PDF files, PNG, JPEG or TIFF images.</source>
        <translation>Należy dodać zeskanowane karty: pliki PDF lub obrazy PNG, JPEG albo TIFF.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="279"/>
        <source>&amp;Add Files...</source>
        <translation>&amp;Dodaj pliki...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="280"/>
        <source>Add F&amp;older...</source>
        <translation>Dodaj &amp;folder...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="281"/>
        <source>&amp;Cancel Reading</source>
        <translation>&amp;Przerwij odczyt</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="283"/>
        <source>&amp;Grade and Record</source>
        <translation>&amp;Oceń i zapisz</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="285"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="299"/>
        <source>To review:</source>
        <translation>Do sprawdzenia:</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="311"/>
        <location filename="../src/ui/scan/ScanForm.cpp" line="312"/>
        <source>lighter marks count</source>
        <translation>uwzględniaj jaśniejsze zaznaczenia</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="345"/>
        <source>No print of the test is recorded; its sheets cannot be checked or graded.</source>
        <translation>Nie zapisano żadnego wydruku tego testu; jego kart nie można sprawdzić ani ocenić.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="357"/>
        <source>Add Scanned Sheets</source>
        <translation>Dodaj zeskanowane karty</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="358"/>
        <source>Scans|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|All Files|*.*</source>
        <translation>Skany|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="364"/>
        <source>Add a Folder of Scanned Sheets</source>
        <translation>Dodaj folder zeskanowanych kart</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="369"/>
        <source>%1 holds no PDF, PNG, JPEG or TIFF file.</source>
        <translation>Folder %1 nie zawiera plików PDF, PNG, JPEG ani TIFF.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="465"/>
        <source>Reading... %1 pages read so far.</source>
        <translation>Odczytywanie... Dotychczas odczytane strony: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="495"/>
        <source>%1 pages read, %2 sheets gradable, %3 to review.</source>
        <translation>Odczytane strony: %1, karty do oceny: %2, do sprawdzenia: %3.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="578"/>
        <source>No doubtful row is left.</source>
        <translation>Nie pozostał żaden wątpliwy wiersz.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="587"/>
        <source>%1, student number: read as &quot;%2&quot;%3. Type the number written (%4 digits), then Enter. Typed: %5</source>
        <translation>%1, numer ucznia: odczytano „%2”%3. Należy wpisać numer zapisany na karcie (liczba cyfr: %4), a następnie nacisnąć Enter. Wpisano: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="593"/>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="599"/>
        <source>%1, question %2: %3. Type the letters marked (A to %4), then Enter. Chosen: %5</source>
        <translation>%1, pytanie %2: %3. Należy wpisać zaznaczone litery (od A do %4), a następnie nacisnąć Enter. Wybrano: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="605"/>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="684"/>
        <source>%1 sheets were graded.<byte value="xd"/></source>
        <translation>Ocenione karty: %1.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="689"/>
        <source>%1 sheets graded; %2 attempts added to the results.</source>
        <translation>Ocenione karty: %1; podejścia dodane do wyników: %2.</translation>
    </message>
</context>
<context>
    <name>TScreenEdit</name>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="10"/>
        <source>Correct Answers</source>
        <translation>Poprawne odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="11"/>
        <source>Pass Rule</source>
        <translation>Reguła zaliczenia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="12"/>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="18"/>
        <source>Media File</source>
        <translation>Plik multimedialny</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="16"/>
        <source>Hot Link</source>
        <translation>Odnośnik</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="20"/>
        <source>Typing</source>
        <translation>Pisanie</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="45"/>
        <source>Invalid time format.  Maximum values are 23:59:59.<byte value="xd"/>Please enter again.</source>
        <translation>Nieprawidłowy format czasu.  Maksymalne wartości to 23:59:59.<byte value="xd"/>Należy wprowadzić czas ponownie.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="157"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="163"/>
        <source>Global Test Settings</source>
        <translation>Ustawienia globalne testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="176"/>
        <source>Test Description</source>
        <translation>Opis testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="179"/>
        <source>Settings Page 1</source>
        <translation>Ustawienia – strona 1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="180"/>
        <source>Settings Page 2</source>
        <translation>Ustawienia – strona 2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="181"/>
        <source>Test Begin Message</source>
        <translation>Komunikat początkowy testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="182"/>
        <source>Enter anything you would like to tell the student before they begin the test.</source>
        <translation>Można tu wpisać wszystko, co uczeń powinien przeczytać przed rozpoczęciem testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="185"/>
        <source>Begin Test Message</source>
        <translation>Komunikat na początek testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="186"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="190"/>
        <source>Complete Test Message</source>
        <translation>Komunikat po zakończeniu testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="187"/>
        <source>Enter anything you would like to tell the student after they complete the test.</source>
        <translation>Można tu wpisać wszystko, co uczeń powinien przeczytać po zakończeniu testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="191"/>
        <source>Question Bank</source>
        <translation>Bank pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="223"/>
        <source>Hours : Minutes : Seconds</source>
        <translation>Godziny : minuty : sekundy</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="226"/>
        <source>More time</source>
        <translation>Więcej czasu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="227"/>
        <source>Less time</source>
        <translation>Mniej czasu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="230"/>
        <source>Time Allowed (HH:MM:SS)</source>
        <translation>Czas (GG:MM:SS)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="234"/>
        <source>E&amp;xtra Time per Student...</source>
        <translation>&amp;Dodatkowy czas dla uczniów...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="246"/>
        <source>Leave blank or set to all zeros if this is not a timed test.</source>
        <translation>Jeśli test nie ma limitu czasu, należy pozostawić to pole puste lub wpisać same zera.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Show questions in order</source>
        <translation>Pokazuj pytania w ustalonej kolejności</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Randomize the questions</source>
        <translation>Losowa kolejność pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="252"/>
        <source>Questions can be presented to the student in the same order they were prepared or they can be presented at random.</source>
        <translation>Pytania mogą być przedstawiane uczniowi w kolejności, w jakiej zostały przygotowane, lub w kolejności losowej.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Do not allow answer checking</source>
        <translation>Nie zezwalaj na sprawdzanie odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Allow answer checking</source>
        <translation>Zezwalaj na sprawdzanie odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="258"/>
        <source>This setting specifies whether or not a student can check answers while the test is being taken.</source>
        <translation>To ustawienie określa, czy uczeń może sprawdzać odpowiedzi w trakcie rozwiązywania testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Can leave answer blank</source>
        <translation>Można pozostawić odpowiedź pustą</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Must answer before going to next</source>
        <translation>Trzeba odpowiedzieć przed przejściem dalej</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="263"/>
        <source>You can require the student to answer a question before moving on to the next, or you can let them leave answers blank.</source>
        <translation>Można wymagać od ucznia odpowiedzi na pytanie przed przejściem do następnego albo pozwolić mu pozostawiać odpowiedzi puste.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="269"/>
        <source>Pass point</source>
        <translation>Próg zaliczenia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="273"/>
        <source>This will inform the student if they have passed or failed the test.  Set to zero if you do not want to report pass/fail.</source>
        <translation>Uczeń zostanie poinformowany, czy zaliczył test.  Aby nie informować o zaliczeniu, należy ustawić wartość zero.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="279"/>
        <source>Allow student to specify maximum questions</source>
        <translation>Pozwól uczniowi określić maksymalną liczbę pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="281"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="301"/>
        <source>Maximum Questions</source>
        <translation>Maksymalna liczba pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="284"/>
        <source>You can specify that only a subset of all questions are asked.  Set to zero to ask all questions.</source>
        <translation>Można określić, że zadawana będzie tylko część wszystkich pytań.  Aby zadawać wszystkie pytania, należy ustawić wartość zero.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Test Time</source>
        <translation>Czas testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Answer Checking</source>
        <translation>Sprawdzanie odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="294"/>
        <source>Pass Point</source>
        <translation>Próg zaliczenia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="299"/>
        <source>Question Ordering</source>
        <translation>Kolejność pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="300"/>
        <source>Answer Requirement</source>
        <translation>Wymóg odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="313"/>
        <source>Allow hot links during test.</source>
        <translation>Zezwalaj na odnośniki w trakcie testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="314"/>
        <source>Show references while taking test.</source>
        <translation>Pokazuj źródła w trakcie testu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="315"/>
        <source>Allow hot links during review.</source>
        <translation>Zezwalaj na odnośniki podczas przeglądu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="316"/>
        <source>Show references during review.</source>
        <translation>Pokazuj źródła podczas przeglądu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="318"/>
        <source>While Testing</source>
        <translation>Podczas testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="321"/>
        <source>While Reviewing</source>
        <translation>Podczas przeglądu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="324"/>
        <source>These settings specify if the student can pop-up hot links and view references while taking the test and while reviewing missed questions.</source>
        <translation>Te ustawienia określają, czy uczeń może otwierać odnośniki i wyświetlać źródła w trakcie rozwiązywania testu oraz podczas przeglądania błędnych odpowiedzi.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Non-Scrolling timers</source>
        <translation>Nieprzewijane liczniki czasu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Scrolling timers</source>
        <translation>Przewijane liczniki czasu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Do not display timers</source>
        <translation>Nie wyświetlaj liczników czasu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="332"/>
        <source>This setting specifies the timer type to display (both elapsed timer and test timer)</source>
        <translation>To ustawienie określa rodzaj wyświetlanego licznika czasu (zarówno czasu, który upłynął, jak i czasu testu)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="335"/>
        <source>Do not allow test review</source>
        <translation>Nie zezwalaj na przegląd testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="336"/>
        <source>Allow test review</source>
        <translation>Zezwalaj na przegląd testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="337"/>
        <source>Allow review of skipped questions</source>
        <translation>Zezwalaj na przegląd pominiętych pytań</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="341"/>
        <source>This setting specifies whether or not the student can review the test after taking it.</source>
        <translation>To ustawienie określa, czy uczeń może przejrzeć test po jego rozwiązaniu.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="350"/>
        <source>(not set)</source>
        <translation>(nie ustawiono)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="353"/>
        <source>The language of the test&apos;s text picks the spelling dictionary and lays out Arabic and Hebrew right to left.</source>
        <translation>Język tekstu testu wybiera słownik ortograficzny i układa arabski oraz hebrajski od prawej do lewej.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="358"/>
        <source>Hot Links and References</source>
        <translation>Odnośniki i źródła</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="359"/>
        <source>Time Display</source>
        <translation>Wyświetlanie czasu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="360"/>
        <source>Test Review</source>
        <translation>Przegląd testu</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="361"/>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="375"/>
        <source>Note: This entry box is the same size and uses the same font as will be displayed to the student.</source>
        <translation>Uwaga: to pole ma taki sam rozmiar i taką samą czcionkę, jakie zobaczy uczeń.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Questions asked</source>
        <translation>Zadawane pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>One of each tag</source>
        <translation>Po jednym z każdego znacznika</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="390"/>
        <source>Questions asked of each category</source>
        <translation>Pytania zadawane z każdej kategorii</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="392"/>
        <source>Each student is asked this many questions of each category (and of the categories under it, such as Mechanics/Forces under Mechanics). Leave it empty to use Maximum Questions.</source>
        <translation>Każdy uczeń otrzymuje tyle pytań z każdej kategorii (i jej podkategorii, np. Mechanika/Siły w Mechanice). Pozostawienie pustej tabeli oznacza użycie maksymalnej liczby pytań.</translation>
    </message>
</context>
<context>
    <name>TTestPrinter</name>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="119"/>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="6"/>
        <source>questions and answers shuffled</source>
        <translation>wymieszane pytania i odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="7"/>
        <source>questions shuffled</source>
        <translation>wymieszane pytania</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="8"/>
        <source>answers shuffled</source>
        <translation>wymieszane odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="9"/>
        <source>nothing shuffled</source>
        <translation>bez mieszania</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="220"/>
        <source>Seed %1, %2 versions, %3; the test&apos;s question number in brackets</source>
        <extracomment>The note under an answer key; %3 says what was shuffled (&quot;questions shuffled&quot; and the like).</extracomment>
        <translation>Ziarno %1, liczba wersji: %2, %3; w nawiasach numer pytania w teście</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="205"/>
        <source>choose any that apply</source>
        <translation>należy wybrać dowolne pasujące odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="206"/>
        <source>choose all that apply</source>
        <translation>należy wybrać wszystkie pasujące odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="213"/>
        <source>any</source>
        <extracomment>Beside a key&apos;s letters: one of them is enough.</extracomment>
        <translation>jedna</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="215"/>
        <source>all</source>
        <translation>wszystkie</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="228"/>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="233"/>
        <source>Name: ______________________   Date: ____________   Class: ____________</source>
        <extracomment>The line a student fills in at the top of a test&apos;s first page; keep the blanks.</extracomment>
        <translation>Imię i nazwisko: ______________________   Data: ____________   Klasa: ____________</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="260"/>
        <source>Link: %1</source>
        <translation>Odnośnik: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="394"/>
        <source>question %1: the picture %2 was not found</source>
        <translation>pytanie %1: nie znaleziono obrazu %2</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="402"/>
        <source>question %1: the picture %2 cannot be read: %3</source>
        <extracomment>%3 is the reason the image reader gives.</extracomment>
        <translation>pytanie %1: nie można odczytać obrazu %2: %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="445"/>
        <source>Answer key, version %1</source>
        <translation>Klucz odpowiedzi, wersja %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="454"/>
        <source>%1: every one of the letters, and no other; %2: one of them is enough, with no wrong letter</source>
        <extracomment>The legend of the marks beside a key&apos;s letters: %1 is the mark &quot;all&quot;, %2 &quot;any&quot;.</extracomment>
        <translation>%1: wszystkie te litery i żadna inna; %2: wystarczy jedna z nich, bez żadnej błędnej litery</translation>
    </message>
</context>
<context>
    <name>TjumpForm</name>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="31"/>
        <location filename="../src/ui/maker/JumpForm.cpp" line="33"/>
        <source>Jump To</source>
        <translation>Przejdź do</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="42"/>
        <source>&amp;Jump</source>
        <translation>&amp;Przejdź</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="43"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="55"/>
        <source>Bottom</source>
        <translation>Ostatnie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="56"/>
        <source>Previous</source>
        <translation>Poprzednie</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="57"/>
        <source>Next</source>
        <translation>Następne</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="58"/>
        <source>Top</source>
        <translation>Pierwsze</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <location filename="../src/ui/platform/Version.h" line="15"/>
        <source>Quizwell Maker v1.03.  Made by instructors for instructors; free to use for the tests of your students.</source>
        <extracomment>Keep the program&apos;s name and version number as they are.</extracomment>
        <translation>Quizwell Maker v1.03.  Program tworzony przez nauczycieli dla nauczycieli; można go bezpłatnie używać do testów dla swoich uczniów.</translation>
    </message>
</context>
<context>
    <name>WriteOver</name>
    <message>
        <location filename="../src/ui/platform/WriteOver.cpp" line="12"/>
        <source>The test file %1 was changed by another program since it was loaded here.<byte value="xd"/>Write over it? Those changes will be lost.</source>
        <translation>Plik testu %1 został zmieniony przez inny program od czasu wczytania go tutaj.<byte value="xd"/>Zastąpić go? Tamte zmiany zostaną utracone.</translation>
    </message>
</context>
<context>
    <name>qwtest</name>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="29"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>Służy do rozwiązywania testów do samokontroli utworzonych w programie Quizwell Maker.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="33"/>
        <source>Preview the test, recording nothing.</source>
        <translation>Podgląd testu bez zapisywania wyników.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="35"/>
        <source>The question a preview starts at.</source>
        <translation>Pytanie, od którego zaczyna się podgląd.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="40"/>
        <source>A test file (.QWT) to take.</source>
        <translation>Plik testu (.QWT) do rozwiązania.</translation>
    </message>
</context>
<context>
    <name>qwtestm</name>
    <message>
        <location filename="../src/programs/qwtestm.cpp" line="39"/>
        <source>Quizwell Maker - tests in %1</source>
        <extracomment>The main window&apos;s title when the tests are kept in the user&apos;s home; %1 is that folder.</extracomment>
        <translation>Quizwell Maker – testy w %1</translation>
    </message>
</context>
</TS>
