<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="164"/>
        <source>Multiple-choice self-tests,</source>
        <extracomment>The banner&apos;s slogan, in two lines.</extracomment>
        <translation>Autoevaluaciones de opción múltiple,</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="165"/>
        <source>written by instructors.</source>
        <translation>escritas por docentes.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Artwork.cpp" line="379"/>
        <source>Self-tests, made simple.</source>
        <translation>Autoevaluaciones, así de fácil.</translation>
    </message>
</context>
<context>
    <name>EngineServices</name>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="21"/>
        <location filename="../src/ui/platform/EngineServices.cpp" line="40"/>
        <source>&quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir «%1».</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="28"/>
        <source>&quot;%1&quot; is a program. A test may not start programs, so it was not opened.</source>
        <translation>«%1» es un programa. Una prueba no puede iniciar programas, así que no se abrió.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/EngineServices.cpp" line="35"/>
        <source>The file &quot;%1&quot; was not found.</source>
        <translation>No se encontró el archivo «%1».</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="23"/>
        <source>Question Files|%1</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, %1 the file patterns after it.</extracomment>
        <translation>Archivos de preguntas|%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="24"/>
        <source>All Files|*.*</source>
        <translation>Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="30"/>
        <source>Select Questions to Import</source>
        <translation>Seleccione las preguntas que desea importar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="38"/>
        <source>The kind of questions in %1 is not known. Question files end in .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) or .csv.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>No se reconoce el tipo de preguntas de %1. Los archivos de preguntas terminan en .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) o .csv.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ImportFlow.cpp" line="47"/>
        <source>%1 cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 what is wrong with it.</extracomment>
        <translation>No se puede importar %1: %2</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="22"/>
        <source>Load a test first.</source>
        <translation>Cargue primero una prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="28"/>
        <source>qwtest, the student engine, was not found beside the maker in &quot;%1&quot;.</source>
        <translation>No se encontró qwtest, el motor del estudiante, junto al programa en «%1».</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Preview.cpp" line="43"/>
        <source>qwtest could not be started: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo iniciar qwtest: %1.</translation>
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
        <translation>Versión %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="52"/>
        <source>Answer sheet %1, page %2 of %3</source>
        <translation>Hoja de respuestas %1, página %2 de %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="56"/>
        <source>Answer sheet, page %1 of %2</source>
        <translation>Hoja de respuestas, página %1 de %2</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="72"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="88"/>
        <source>Student number, on every page: write it, then fill one box per column</source>
        <translation>Número de estudiante, en cada página: escríbalo y luego rellene una casilla por columna</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="91"/>
        <source>Student number: write it, then fill one box per column</source>
        <translation>Número de estudiante: escríbalo y luego rellene una casilla por columna</translation>
    </message>
    <message>
        <location filename="../src/ui/page/SheetPrinter.cpp" line="142"/>
        <source>Fill each box you choose fully with a dark pen. To undo a mark, fill its box fully and circle the box you mean.</source>
        <translation>Rellene por completo cada casilla que elija con un bolígrafo oscuro. Para anular una marca, rellene su casilla por completo y encierre en un círculo la casilla que desea marcar.</translation>
    </message>
</context>
<context>
    <name>ShellOpen</name>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="36"/>
        <source>the system gave no reason</source>
        <translation>el sistema no indicó el motivo</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="59"/>
        <source>it is a folder</source>
        <extracomment>Why a program could not be started.</extracomment>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ShellOpen.cpp" line="75"/>
        <source>No web browser could be opened for this page. To read it, copy its address into a browser:<byte value="xd"/>%1</source>
        <translation>No se pudo abrir ningún navegador web para esta página. Para leerla, copie su dirección en un navegador:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="27"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Quizwell Client</source>
        <translation>Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/AboutBox.cpp" line="38"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>Realiza las autoevaluaciones creadas con Quizwell Maker.</translation>
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
        <translation>ACUERDO DE LICENCIA DE QUIZWELL MAKER

Lea este acuerdo. Al instalar o usar Quizwell Maker
(«el programa»), usted lo acepta.

1. Uso. Puede instalar el programa en los equipos en los que
   usted y sus colegas preparan pruebas, y usarlo para
   escribir, modificar y convertir pruebas para cualquier
   número de estudiantes.

2. Sus pruebas. Las pruebas, preguntas, mensajes, logotipos y
   archivos multimedia que cree con el programa son suyos.
   Puede distribuirlos, junto con el motor de Quizwell y su
   archivo de configuración, en las condiciones que elija.

3. El programa es solo para docentes. El programa puede leer
   y modificar cualquier prueba, respuestas incluidas. No lo
   distribuya con el motor ni lo deje donde los estudiantes
   puedan ejecutarlo.

4. Copias. Puede hacer copias del programa para los fines
   anteriores y como copia de seguridad. Conserve este
   acuerdo con cada copia. No puede vender el programa ni
   presentarlo como obra propia.

5. Sin garantía. El programa se proporciona «tal cual», sin
   garantía de ningún tipo, expresa o implícita, incluidas
   las garantías de comerciabilidad e idoneidad para un
   fin determinado. Conserve copias de sus pruebas.

6. Limitación de responsabilidad. En ningún caso los autores
   de Quizwell Maker serán responsables de daño alguno
   derivado del uso o de la imposibilidad de uso del
   programa o de las pruebas creadas con él, aun cuando se
   les haya advertido de la posibilidad de tales daños.

7. Terminación. Este acuerdo termina cuando usted deja de
   usar el programa y elimina todas sus copias.
</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="69"/>
        <location filename="../src/ui/maker/AboutForm.cpp" line="87"/>
        <source>About Quizwell Maker</source>
        <translation>Acerca de Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="82"/>
        <source>License Agreement</source>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/AboutForm.cpp" line="98"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>TApplyDialog</name>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="34"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="35"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="36"/>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/ApplyDialog.cpp" line="55"/>
        <source>Save changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
</context>
<context>
    <name>TBeginBox</name>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="26"/>
        <source>Begin Test</source>
        <translation>Comenzar la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="61"/>
        <source>Questions to take (1 to %1):</source>
        <translation>Preguntas que desea responder (de 1 a %1):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="64"/>
        <source>All (%1)</source>
        <translation>Todas (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>1 question.</source>
        <translation>1 pregunta.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/BeginBox.cpp" line="70"/>
        <source>%n questions.</source>
        <translation>
            <numerusform>%n pregunta.</numerusform>
            <numerusform>%n preguntas.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="75"/>
        <source>Time limit: %1 (hours:minutes:seconds)</source>
        <translation>Tiempo límite: %1 (horas:minutos:segundos)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="76"/>
        <source>Time limit: none</source>
        <translation>Tiempo límite: ninguno</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="79"/>
        <source>Pass mark: %1% of the questions right</source>
        <translation>Nota de aprobado: %1&#xa0;% de preguntas correctas</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="80"/>
        <source>Pass mark: none</source>
        <translation>Nota de aprobado: ninguna</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="84"/>
        <source>&amp;Begin</source>
        <translation>&amp;Comenzar</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/BeginBox.cpp" line="85"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TCatalogueSearchForm</name>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="21"/>
        <source>Search Tests</source>
        <translation>Buscar en las pruebas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="28"/>
        <source>&amp;Find tests holding:</source>
        <translation>&amp;Buscar pruebas que contengan:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="31"/>
        <source>&amp;Search</source>
        <translation>Bu&amp;scar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="38"/>
        <source>Tests found</source>
        <translation>Pruebas encontradas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="39"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="48"/>
        <source>&amp;Open in the Editor</source>
        <translation>&amp;Abrir en el editor</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="50"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="70"/>
        <source>description</source>
        <translation>descripción</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Not found</source>
        <translation>No se encontró</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/CatalogueSearchForm.cpp" line="73"/>
        <source>Found in %1 places</source>
        <translation>Se encontró en %1 lugares</translation>
    </message>
</context>
<context>
    <name>TClassroomForm</name>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="37"/>
        <source>finished</source>
        <translation>terminó</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="38"/>
        <source>joined</source>
        <translation>se unió</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="39"/>
        <source>question %1 of %2</source>
        <translation>pregunta %1 de %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="47"/>
        <source>left the page %1×, %2 s</source>
        <extracomment>How often and how long a student left the test&apos;s page; %1 is the count, %2 the seconds.</extracomment>
        <translation>salió de la página %1×, %2 s</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="109"/>
        <source>Classroom</source>
        <translation>Aula</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="112"/>
        <source>Open in a browser:</source>
        <translation>Abra en un navegador:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="121"/>
        <source>QR code of the address</source>
        <translation>Código QR de la dirección</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Student</source>
        <translation>Estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="135"/>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="136"/>
        <source>Students</source>
        <translation>Estudiantes</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="158"/>
        <source>&amp;Hold the review until the test ends</source>
        <translation>&amp;Retener la revisión hasta que termine la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="160"/>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Show &amp;Scores</source>
        <translation>Mostrar &amp;puntuaciones</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="161"/>
        <source>&amp;End Test</source>
        <translation>&amp;Terminar la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="162"/>
        <source>End Sessio&amp;n</source>
        <translation>Terminar la &amp;sesión</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="172"/>
        <source>the test folder&apos;s Results.sqlite, or postgresql://...</source>
        <extracomment>Keep the file name Results.sqlite and postgresql:// as they are.</extracomment>
        <translation>Results.sqlite de la carpeta de la prueba, o postgresql://...</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="173"/>
        <source>Results s&amp;tore:</source>
        <translation>&amp;Almacén de resultados:</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="175"/>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="208"/>
        <source>%1 has no questions to run in a classroom.</source>
        <translation>%1 no tiene preguntas para usar en un aula.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="221"/>
        <source>%1<byte value="xd"/>This session stores into the test folder&apos;s Results.sqlite until another store is used.</source>
        <extracomment>%1 is the reason the saved store could not be opened.</extracomment>
        <translation>%1<byte value="xd"/>Esta sesión guarda los resultados en Results.sqlite de la carpeta de la prueba hasta que se use otro almacén.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="230"/>
        <source>Classroom - %1</source>
        <translation>Aula - %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="239"/>
        <source>Port %1 is in use by another program, so this session uses port %2.</source>
        <translation>Otro programa está usando el puerto %1, así que esta sesión usa el puerto %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="246"/>
        <source>port %1 of this computer</source>
        <translation>puerto %1 de este equipo</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="247"/>
        <source>This computer has no network: connect it to the room&apos;s network, then open the classroom again.</source>
        <translation>Este equipo no tiene red: conéctelo a la red del aula y vuelva a abrir el aula.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="254"/>
        <source>Room code: %1</source>
        <translation>Código de sala: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="271"/>
        <source>The classroom cannot listen on %1: no port is free.</source>
        <translation>El aula no puede escuchar en %1: no hay ningún puerto libre.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="289"/>
        <source>Results go to %1</source>
        <translation>Los resultados se guardan en %1</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="307"/>
        <source>Students have joined, so this session keeps its store. End the session and open the classroom again to use another.</source>
        <translation>Ya se han unido estudiantes, así que esta sesión conserva su almacén. Termine la sesión y vuelva a abrir el aula para usar otro.</translation>
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
        <translation>%1 unidos, %2 respondiendo, %3 terminados</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="383"/>
        <source>%1 asks to continue on another device</source>
        <translation>%1 pide continuar en otro dispositivo</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="384"/>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="385"/>
        <source>Refuse</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="403"/>
        <source>A student&apos;s request failed at %1: %2</source>
        <translation>Falló la solicitud de un estudiante en %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="410"/>
        <source>Hide &amp;Scores</source>
        <translation>Ocultar &amp;puntuaciones</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="416"/>
        <source>1 student is still answering.</source>
        <translation>1 estudiante sigue respondiendo.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="417"/>
        <source>%n students are still answering.</source>
        <translation>
            <numerusform>%n estudiante sigue respondiendo.</numerusform>
            <numerusform>%n estudiantes siguen respondiendo.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="425"/>
        <source>%1 %2<byte value="xd"/>Their answers so far are scored and stored.</source>
        <extracomment>%1 says how many students are still answering, %2 asks whether to end their tests.</extracomment>
        <translation>%1 %2<byte value="xd"/>Sus respuestas hasta ahora se califican y se guardan.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="432"/>
        <source>End the test for everyone?<byte value="xd"/>Answers so far are scored and stored, and nobody can begin any more.</source>
        <translation>¿Desea terminar la prueba para todos?<byte value="xd"/>Las respuestas dadas hasta ahora se califican y se guardan, y nadie más podrá comenzar.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="440"/>
        <source>End their tests and the session?</source>
        <translation>¿Desea terminar sus pruebas y la sesión?</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="443"/>
        <source>The session has ended. The results are in the Results window.</source>
        <translation>La sesión ha terminado. Los resultados están en la ventana Resultados.</translation>
    </message>
    <message>
        <location filename="../src/ui/classroom/ClassroomForm.cpp" line="466"/>
        <source>End their tests and close the classroom?</source>
        <translation>¿Desea terminar sus pruebas y cerrar el aula?</translation>
    </message>
</context>
<context>
    <name>TClientForm</name>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="38"/>
        <source>Bitmap Files (BMP)|*.BMP</source>
        <extracomment>A file dialog&apos;s filter: the text before &quot;|&quot; is shown, the pattern after it kept.</extracomment>
        <translation>Archivos de mapa de bits (BMP)|*.BMP</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="82"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="84"/>
        <source>Client Configuration</source>
        <translation>Configuración del cliente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="93"/>
        <source>These settings effect the entire Quizwell engine.    You must include the QWTEST.CFG file with the Quizwell engine for these settings to take effect.</source>
        <translation>Estos ajustes afectan a todo el motor de Quizwell.    Debe incluir el archivo QWTEST.CFG con el motor de Quizwell para que estos ajustes surtan efecto.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="98"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="161"/>
        <source>Custom Logo</source>
        <translation>Logotipo personalizado</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="99"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="209"/>
        <source>Custom About Box</source>
        <translation>Cuadro Acerca de personalizado</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="100"/>
        <source>Client Behavior</source>
        <translation>Comportamiento del cliente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="101"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="143"/>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="164"/>
        <source>You can customize the appearance of the tests you distribute by adding your own logo to the interface. </source>
        <translation>Puede personalizar el aspecto de las pruebas que distribuye agregando su propio logotipo a la interfaz. </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="173"/>
        <source>Place the bitmap (.bmp extension) file into the same directory that will contain the Quizwell files. The bitmap can be 139 pixels high x 471 pixels wide.</source>
        <translation>Coloque el archivo de mapa de bits (extensión .bmp) en la misma carpeta que contendrá los archivos de Quizwell. El mapa de bits puede medir 139 píxeles de alto x 471 píxeles de ancho.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="176"/>
        <source>To ensure compatibility with the video capabilities of the computer it will be viewed on, the graphic should be composed in 16 or 256 colors using the standard Windows palette. </source>
        <translation>Para garantizar la compatibilidad con la capacidad de vídeo del equipo en el que se verá, la imagen debe crearse en 16 o 256 colores con la paleta estándar de Windows. </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="179"/>
        <source>You should experiment with a variety of color settings to see what works best.</source>
        <translation>Pruebe distintos ajustes de color para ver cuál funciona mejor.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="187"/>
        <source>Use custom About Box</source>
        <translation>Usar un cuadro Acerca de personalizado</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="188"/>
        <source>Do not use custom About Box</source>
        <translation>No usar un cuadro Acerca de personalizado</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="189"/>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="191"/>
        <source>Custom message for about box (shown actual size)</source>
        <translation>Mensaje personalizado para el cuadro Acerca de (se muestra a tamaño real)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="199"/>
        <source>Web page URL</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="212"/>
        <source>You can have your own &quot;About&quot; box from the &quot;Help&quot; menu.  You can have your own custom message in this about box.  The logo displayed will be the same as specified on the &quot;Custom Logo&quot; tab.</source>
        <translation>Puede tener su propio cuadro «Acerca de» en el menú «Ayuda».  Puede poner su propio mensaje personalizado en este cuadro.  El logotipo que se muestra será el indicado en la pestaña «Logotipo personalizado».</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="227"/>
        <source>Enable Full Screen mode.</source>
        <translation>Activar el modo de pantalla completa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="228"/>
        <source>Require test history password</source>
        <translation>Exigir contraseña para el historial de pruebas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="229"/>
        <source>Require exit password</source>
        <translation>Exigir contraseña para salir</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="230"/>
        <source>History Password</source>
        <translation>Contraseña del historial</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="231"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="268"/>
        <source>Exit Password</source>
        <translation>Contraseña de salida</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="256"/>
        <source>Full Screen Mode</source>
        <translation>Modo de pantalla completa</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="257"/>
        <source>Full screen mode forces Quizwell to occupy the student&apos;s entire screen and only allows the student to use Quizwell and no other programs.</source>
        <translation>El modo de pantalla completa hace que Quizwell ocupe toda la pantalla del estudiante y solo le permite usar Quizwell, sin ningún otro programa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="262"/>
        <source>Test history Lock</source>
        <translation>Bloqueo del historial de pruebas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="263"/>
        <source>You can allow the student to view their test history or lock test history so a password is required.</source>
        <translation>Puede permitir que el estudiante vea su historial de pruebas o bloquear el historial para que se necesite una contraseña.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="269"/>
        <source>You can require a password to exit Quizwell.</source>
        <translation>Puede exigir una contraseña para salir de Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="277"/>
        <location filename="../src/ui/maker/ClientForm.cpp" line="351"/>
        <source>Results Folder</source>
        <translation>Carpeta de resultados</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="280"/>
        <source>Every finished test is kept in the results beside the test. Where the student&apos;s computer cannot write there (a computer lab), the result is left as a small file in this folder instead, and File, Results... collects it from there.</source>
        <translation>Cada prueba terminada se guarda en los resultados junto a la prueba. Si el equipo del estudiante no puede escribir allí (en una sala de informática), el resultado se deja como un pequeño archivo en esta carpeta y Archivo, Resultados... lo recoge de allí.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="284"/>
        <source>B&amp;rowse...</source>
        <translation>Exa&amp;minar...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="291"/>
        <source>Use a shared folder every student computer can write to. Make it a drop folder (mode 1733) so students cannot read each other&apos;s results; Help, Results tells how. A result that can be kept in neither place waits on the student&apos;s computer until the next start.</source>
        <translation>Use una carpeta compartida en la que puedan escribir todos los equipos de los estudiantes. Conviértala en una carpeta de entrega (modo 1733) para que los estudiantes no puedan leer los resultados de los demás; en Ayuda, Resultados se explica cómo. Un resultado que no se pueda guardar en ninguno de los dos lugares espera en el equipo del estudiante hasta el siguiente inicio.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="372"/>
        <source>The engine looks for the logo in its own folder, %1, and will not find %2 where it is.<byte value="xd"/>Copy it into that folder?</source>
        <extracomment>%1 is the engine&apos;s folder, %2 the picture&apos;s file name.</extracomment>
        <translation>El motor busca el logotipo en su propia carpeta, %1, y no encontrará %2 donde está ahora.<byte value="xd"/>¿Desea copiarlo a esa carpeta?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="380"/>
        <source>A file named %1 is in %2 already.<byte value="xd"/>Replace it with the picture picked?</source>
        <translation>Ya existe un archivo llamado %1 en %2.<byte value="xd"/>¿Desea reemplazarlo por la imagen elegida?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ClientForm.cpp" line="426"/>
        <source>The file &quot;%1&quot; could not be read as a picture; the built-in logo is shown.</source>
        <translation>No se pudo leer el archivo «%1» como imagen; se muestra el logotipo integrado.</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="69"/>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="88"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="100"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="92"/>
        <location filename="../src/ui/platform/Dialogs.cpp" line="104"/>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="174"/>
        <source>These characters cannot be stored in a test file: %1.<byte value="xd"/>Store them as &quot;?&quot; and go on?</source>
        <translation>Estos caracteres no se pueden guardar en un archivo de prueba: %1.<byte value="xd"/>¿Desea guardarlos como «?» y continuar?</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="188"/>
        <source>%1 is the file %2 is made from: it cannot also be the output.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>%1 es el archivo a partir del cual se crea %2: no puede ser también el de salida.<byte value="xd"/>Elija otro nombre. No se escribió nada.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="192"/>
        <source>%1 cannot be written: %2.<byte value="xd"/>Choose another name. Nothing was written.</source>
        <translation>No se puede escribir %1: %2.<byte value="xd"/>Elija otro nombre. No se escribió nada.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/Dialogs.cpp" line="205"/>
        <source>An unexpected error ended the action.</source>
        <translation>Un error inesperado interrumpió la acción.</translation>
    </message>
</context>
<context>
    <name>TDuplicatesForm</name>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="24"/>
        <source>Duplicate Questions</source>
        <translation>Preguntas duplicadas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="30"/>
        <source>Questions typed twice</source>
        <translation>Preguntas escritas dos veces</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="32"/>
        <source>Each group lists its questions by test and number; activate one to edit it</source>
        <translation>Cada grupo enumera sus preguntas por prueba y número; active una para editarla</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="33"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="49"/>
        <source>No question is typed twice in these tests.</source>
        <translation>Ninguna pregunta está escrita dos veces en estas pruebas.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="50"/>
        <source>&amp;Questions typed twice (double-click one to edit it there):</source>
        <translation>&amp;Preguntas escritas dos veces (haga doble clic en una para editarla allí):</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/DuplicatesForm.cpp" line="59"/>
        <source> (answers %1)</source>
        <translation> (respuestas %1)</translation>
    </message>
</context>
<context>
    <name>TEndForm</name>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="13"/>
        <source>Score: %1 of %2 right (%3%)</source>
        <translation>Puntuación: %1 de %2 correctas (%3&#xa0;%)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="18"/>
        <source>Test Finished</source>
        <translation>Prueba terminada</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="28"/>
        <source>Time ran out.</source>
        <translation>Se acabó el tiempo.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Passed</source>
        <translation>Aprobado</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="38"/>
        <source>Failed</source>
        <translation>No aprobado</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="42"/>
        <source>Pass point: %1%</source>
        <translation>Nota de aprobado: %1&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="45"/>
        <source>Time taken: %1</source>
        <extracomment>%1 is hours:minutes:seconds.</extracomment>
        <translation>Tiempo empleado: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="48"/>
        <source>&amp;Review Answers</source>
        <translation>&amp;Revisar respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EndForm.cpp" line="49"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="54"/>
        <source>&amp;Open Test...</source>
        <translation>&amp;Abrir prueba...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="55"/>
        <source>&amp;Refresh List</source>
        <translation>Ac&amp;tualizar lista</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="56"/>
        <source>Test &amp;History...</source>
        <translation>&amp;Historial de pruebas...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="58"/>
        <location filename="../src/ui/engine/EngineForm.cpp" line="77"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="59"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="60"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="63"/>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="70"/>
        <source>Choose a test and press Start:</source>
        <translation>Elija una prueba y pulse Iniciar:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="72"/>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="75"/>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="76"/>
        <source>His&amp;tory</source>
        <translation>Hi&amp;storial</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="138"/>
        <source>The test file &quot;%1&quot; no longer exists.</source>
        <translation>El archivo de prueba «%1» ya no existe.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="145"/>
        <source>Open Test</source>
        <translation>Abrir prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="147"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Archivos de Quizwell|*.QWT|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="161"/>
        <source>You have extra time for this test: %1 instead of %2.</source>
        <translation>Dispone de tiempo extra para esta prueba: %1 en lugar de %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="183"/>
        <source>&quot;%1&quot; holds no questions.</source>
        <translation>«%1» no contiene preguntas.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="201"/>
        <source>%1 (preview)</source>
        <translation>%1 (vista previa)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="211"/>
        <source>Your history file was damaged. It is kept as &quot;%1&quot;, and a new history was started with this test.</source>
        <translation>Su archivo de historial estaba dañado. Se conserva como «%1» y se inició un historial nuevo con esta prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="215"/>
        <source>Your test was scored, but it could not be added to your history.<byte value="xd"/>%1</source>
        <translation>Su prueba se calificó, pero no se pudo agregar a su historial.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="254"/>
        <source>Your test was scored, but the result could not be saved for your teacher.<byte value="xd"/>%1</source>
        <translation>Su prueba se calificó, pero no se pudo guardar el resultado para su docente.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Student Name</source>
        <translation>Nombre del estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="269"/>
        <source>Your name, for your test history (you may leave it empty):</source>
        <translation>Su nombre, para su historial de pruebas (puede dejarlo vacío):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Student Number</source>
        <translation>Número de estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="276"/>
        <source>Your student number, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>Su número de estudiante, para los resultados de su docente (puede dejarlo vacío):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Class</source>
        <extracomment>The student&apos;s class (group) at school.</extracomment>
        <translation>Grupo</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="281"/>
        <source>Your class, for your teacher&apos;s results (you may leave it empty):</source>
        <translation>Su grupo, para los resultados de su docente (puede dejarlo vacío):</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="293"/>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="296"/>
        <source>Wrong password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="301"/>
        <source>Test History</source>
        <translation>Historial de pruebas</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/EngineForm.cpp" line="324"/>
        <source>Exit</source>
        <extracomment>Title of the password question asked before the program closes.</extracomment>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>TExtraTimeForm</name>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="21"/>
        <source>line %1: no &apos;=&apos; between the name and the factor</source>
        <extracomment>%1 is a line&apos;s number in the list.</extracomment>
        <translation>línea %1: falta «=» entre el nombre y el factor</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="23"/>
        <source>line %1: no name</source>
        <translation>línea %1: falta el nombre</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="28"/>
        <source>line %1: the factor is not a number from 1 to %2</source>
        <extracomment>%1 is a line&apos;s number in the list; %2 the largest factor.</extracomment>
        <translation>línea %1: el factor no es un número de 1 a %2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="39"/>
        <source>Extra Time per Student</source>
        <translation>Tiempo extra por estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="42"/>
        <source>&amp;Students given extra time, one a line as NAME=FACTOR, for example &quot;Ann Lee=1.25&quot; for a quarter more time (factors from 1 to 4). The name is matched as the student types it, letter case aside. The list is kept beside the test, in %1.</source>
        <translation>&amp;Estudiantes con tiempo extra, uno por línea como NOMBRE=FACTOR, por ejemplo «Ann Lee=1.25» para una cuarta parte más de tiempo (factores de 1 a 4). El nombre se compara tal como lo escribe el estudiante, sin distinguir mayúsculas y minúsculas. La lista se guarda junto a la prueba, en %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="51"/>
        <source>Students given extra time</source>
        <translation>Estudiantes con tiempo extra</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="52"/>
        <source>One student a line: the name, an equals sign and the factor</source>
        <translation>Un estudiante por línea: el nombre, un signo igual y el factor</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/ExtraTimeForm.cpp" line="78"/>
        <source>These lines do not read, so the list was not saved:<byte value="xd"/>%1</source>
        <translation>Estas líneas no se pueden interpretar, así que la lista no se guardó:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="28"/>
        <source>There is nothing to replace.</source>
        <translation>No hay nada que reemplazar.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="47"/>
        <source>Hot link parameters</source>
        <translation>Parámetros del hipervínculo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="52"/>
        <source>Answer %1</source>
        <extracomment>A field of a question in the list of hits; %1 is its letter.</extracomment>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="60"/>
        <source>Question %1, %2:  %3</source>
        <translation>Pregunta %1, %2:  %3</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="75"/>
        <source>Fin&amp;d:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="77"/>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="79"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="80"/>
        <source>Next hit (Enter)</source>
        <translation>Siguiente coincidencia (Intro)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="84"/>
        <source>Close the find bar (Esc)</source>
        <translation>Cerrar la barra de búsqueda (Esc)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="85"/>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="95"/>
        <source>Re&amp;place:</source>
        <translation>Reempla&amp;zar por:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="97"/>
        <source>Replace with</source>
        <translation>Reemplazar por</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="99"/>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="100"/>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="111"/>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="112"/>
        <source>&amp;Whole words</source>
        <translation>Palabras &amp;completas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="113"/>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpresión regular</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="121"/>
        <source>Look in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="41"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="123"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="305"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="124"/>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="43"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="125"/>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="45"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="126"/>
        <source>Hot link</source>
        <translation>Hipervínculo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="49"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="127"/>
        <source>Media file</source>
        <translation>Archivo multimedia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="138"/>
        <source>Hits</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="221"/>
        <source>Not a regular expression: %1</source>
        <extracomment>%1 is the fault the regular expression library found.</extracomment>
        <translation>No es una expresión regular válida: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="225"/>
        <source>Not found</source>
        <translation>No se encontró</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>1 hit</source>
        <translation>1 coincidencia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="227"/>
        <source>%1 hits</source>
        <translation>%1 coincidencias</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="265"/>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="290"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="298"/>
        <location filename="../src/ui/maker/FindBar.cpp" line="318"/>
        <source>Replace All</source>
        <translation>Reemplazar todo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="302"/>
        <source>1 field will change:</source>
        <translation>Cambiará 1 campo:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="303"/>
        <source>%1 fields will change:</source>
        <translation>Cambiarán %1 campos:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="306"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="307"/>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/FindBar.cpp" line="308"/>
        <source>After replacing</source>
        <translation>Después de reemplazar</translation>
    </message>
</context>
<context>
    <name>TGradeForm</name>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="80"/>
        <source>1 version</source>
        <translation>1 versión</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="81"/>
        <source>%n versions</source>
        <translation>
            <numerusform>%n versión</numerusform>
            <numerusform>%n versiones</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="94"/>
        <source>the earlier print (seed %1, %2, %3, questions drawn from the blueprint)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>la impresión anterior (semilla %1, %2, %3, preguntas sacadas del plan)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="99"/>
        <source>the earlier print (seed %1, %2, %3)</source>
        <extracomment>A print known only by its options, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is the seed, %2 the versions, %3 what was shuffled.</extracomment>
        <translation>la impresión anterior (semilla %1, %2, %3)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="106"/>
        <source>run %1 (printed %2, seed %3, %4, %5, questions drawn from the blueprint)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>la tirada %1 (impresa el %2, semilla %3, %4, %5, preguntas sacadas del plan)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="111"/>
        <source>run %1 (printed %2, seed %3, %4, %5)</source>
        <extracomment>A print run, named inside a sentence (&quot;The sheets fit %1 far better than...&quot;): %1 is its number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.</extracomment>
        <translation>la tirada %1 (impresa el %2, semilla %3, %4, %5)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="119"/>
        <source>1 attempt was recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>Se registró 1 intento en %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="122"/>
        <source>%n attempts were recorded in %1.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>Se registró %n intento en %1.</numerusform>
            <numerusform>Se registraron %n intentos en %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="126"/>
        <source>1 attempt was recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>Se registró 1 intento en %1; 1 ya figuraba allí.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="130"/>
        <source>1 attempt was recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>Se registró 1 intento en %1; %2 ya figuraban allí.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="134"/>
        <source>%n attempts were recorded in %1; 1 was there already.</source>
        <extracomment>%1 is the results store&apos;s file.</extracomment>
        <translation>
            <numerusform>Se registró %n intento en %1; 1 ya figuraba allí.</numerusform>
            <numerusform>Se registraron %n intentos en %1; 1 ya figuraba allí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="138"/>
        <source>%n attempts were recorded in %1; %2 were there already.</source>
        <extracomment>%1 is the results store&apos;s file, %2 how many of the attempts it held already.</extracomment>
        <translation>
            <numerusform>Se registró %n intento en %1; %2 ya figuraban allí.</numerusform>
            <numerusform>Se registraron %n intentos en %1; %2 ya figuraban allí.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="147"/>
        <source>row %1, %2: not graded, questions in doubt (%3); decide them and grade the sheet again</source>
        <extracomment>%1 is the row of the answers file, %2 the sheet&apos;s name, %3 its questions in doubt (&quot;12 17&quot;).</extracomment>
        <translation>fila %1, %2: sin calificar, preguntas dudosas (%3); resuélvalas y vuelva a calificar la hoja</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="155"/>
        <source>the seed and options given (seed %1)</source>
        <translation>la semilla y las opciones indicadas (semilla %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="159"/>
        <source>The sheets fit %1 far better than %2: %3 of %4 answers (%5%) are right there, against %6 (%7%) here. Grade them with the run they were printed in.</source>
        <extracomment>%1 and %2 name runs; of %4 answers, %3 (%5 percent) are right under the first, %6 (%7 percent) under the second.</extracomment>
        <translation>Las hojas coinciden mucho mejor con %1 que con %2: allí son correctas %3 de %4 respuestas (%5&#xa0;%), frente a %6 (%7&#xa0;%) aquí. Califíquelas con la tirada en la que se imprimieron.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="171"/>
        <source>version %1</source>
        <translation>la versión %1</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="172"/>
        <source>the test&apos;s own order, nothing shuffled</source>
        <translation>la prueba en su propio orden, sin mezclar</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="175"/>
        <source>%1 of %2 sheets score far better under another key than under the key of their own version: %3 scores %4% as version %5 and %6% under the key of %7. Check the version letters typed.</source>
        <extracomment>%1 of %2 sheets; %3 is a sheet&apos;s name, %4 its percent as its version %5, %6 its percent under the key of %7 (another version, or the test&apos;s own order).</extracomment>
        <translation>%1 de %2 hojas obtienen una puntuación mucho mejor con otra clave que con la clave de su propia versión: %3 obtiene un %4&#xa0;% como versión %5 y un %6&#xa0;% con la clave de %7. Compruebe las letras de versión introducidas.</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="188"/>
        <source>The test was changed after %1 was printed: the sheets are graded with its questions and keys as they are now.</source>
        <extracomment>%1 names the run.</extracomment>
        <translation>La prueba se modificó después de imprimirse %1: las hojas se califican con sus preguntas y claves tal como están ahora.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="47"/>
        <source>Grade Answers</source>
        <translation>Calificar respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Run</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Printed</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Versions</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="51"/>
        <source>Shuffled</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="52"/>
        <source>Print runs</source>
        <translation>Tiradas de impresión</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="56"/>
        <source>Print r&amp;uns:</source>
        <translation>&amp;Tiradas de impresión:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="59"/>
        <source>&amp;Number of versions:</source>
        <translation>&amp;Número de versiones:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="63"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="65"/>
        <source>Questions shuffled</source>
        <translation>Preguntas mezcladas</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="67"/>
        <source>Answers shuffled</source>
        <translation>Respuestas mezcladas</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="76"/>
        <source>No answers file chosen.</source>
        <translation>No se ha elegido ningún archivo de respuestas.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="77"/>
        <source>Answers:</source>
        <translation>Respuestas:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Asked</source>
        <translation>Planteadas</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="80"/>
        <source>Passed</source>
        <translation>Aprobado</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="82"/>
        <source>Results by student</source>
        <translation>Resultados por estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="84"/>
        <source>Students</source>
        <translation>Estudiantes</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="85"/>
        <source>Results by question</source>
        <translation>Resultados por pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="89"/>
        <source>&amp;Open Answers...</source>
        <translation>&amp;Abrir respuestas...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="90"/>
        <source>&amp;Grade Again</source>
        <translation>&amp;Calificar de nuevo</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="91"/>
        <source>Sa&amp;ve as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="92"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="93"/>
        <source>&amp;Record in Results</source>
        <translation>&amp;Registrar en los resultados</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="126"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>No se pueden leer las tiradas registradas: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="134"/>
        <source>earlier</source>
        <translation>anterior</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="146"/>
        <source>Choose the run the sheets were printed in. Give the seed, versions and shuffles only for a print that is not listed.</source>
        <translation>Elija la tirada en la que se imprimieron las hojas. Indique la semilla, las versiones y la mezcla solo para una impresión que no figure en la lista.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="150"/>
        <source>No print of this test is on record: give the seed, the number of versions and the shuffles it was printed with.</source>
        <translation>No hay ninguna impresión registrada de esta prueba: indique la semilla, el número de versiones y la mezcla con que se imprimió.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <source>Select Answers to Grade</source>
        <translation>Seleccione las respuestas que desea calificar</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="205"/>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>CSV Files|*.csv|All Files|*.*</source>
        <translation>Archivos CSV|*.csv|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="216"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>La semilla debe ser un número entero de hasta 18 dígitos.</translation>
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
        <translation>Las hojas coinciden mucho mejor con %1 que con la tirada con la que se calificaron. ¿Desea registrar estas puntuaciones de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="262"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location filename="../src/ui/print/GradeForm.cpp" line="279"/>
        <source>Save Results as CSV</source>
        <translation>Guardar los resultados como CSV</translation>
    </message>
</context>
<context>
    <name>THelpTopicWindow</name>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="29"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="30"/>
        <source>Making and running a test</source>
        <translation>Crear y aplicar una prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="31"/>
        <source>The main window</source>
        <translation>La ventana principal</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="32"/>
        <source>Questions and answers</source>
        <translation>Preguntas y respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="33"/>
        <source>Hot links, media files and Jump To</source>
        <translation>Hipervínculos, archivos multimedia e Ir a</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="35"/>
        <source>Global test settings</source>
        <translation>Configuración global de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="36"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="37"/>
        <source>Classroom</source>
        <translation>Aula</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="38"/>
        <source>Client configuration</source>
        <translation>Configuración del cliente</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="39"/>
        <source>Taking a test with Quizwell Client</source>
        <translation>Realizar una prueba con Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="41"/>
        <source>Help for students</source>
        <translation>Ayuda para estudiantes</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="42"/>
        <source>Paper tests: printing and grading</source>
        <translation>Pruebas en papel: impresión y calificación</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="44"/>
        <source>Scanning answer sheets</source>
        <translation>Escanear hojas de respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="45"/>
        <source>Importing and exporting questions</source>
        <translation>Importar y exportar preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="46"/>
        <source>Files the maker writes</source>
        <translation>Archivos que escribe el programa</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="47"/>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="48"/>
        <source>About Quizwell Maker</source>
        <translation>Acerca de Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="61"/>
        <source>Quizwell Client Help</source>
        <translation>Ayuda de Quizwell Client</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="62"/>
        <source>Quizwell Maker Help</source>
        <translation>Ayuda de Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="66"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="68"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/HelpWindow.cpp" line="71"/>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="18"/>
        <source>Test History</source>
        <translation>Historial de pruebas</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Student</source>
        <translation>Estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="21"/>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="22"/>
        <source>Time taken</source>
        <translation>Tiempo empleado</translation>
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
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="45"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="59"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Archivos CSV|*.CSV|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/HistoryForm.cpp" line="61"/>
        <source>Export History</source>
        <translation>Exportar el historial</translation>
    </message>
</context>
<context>
    <name>TLossReportForm</name>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="16"/>
        <source>What was not carried over</source>
        <translation>Lo que no se trasladó</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/LossReportForm.cpp" line="31"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>TMMediaForm</name>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="24"/>
        <source>Media file should contain a valid extension of... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>or a FACTVAULT query.<byte value="xd"/><byte value="xd"/>If not, then an attempt to launch the file will be made.</source>
        <translation>El archivo multimedia debe tener una de estas extensiones válidas... <byte value="xd"/>AVI<byte value="xd"/>BMP<byte value="xd"/>RTF<byte value="xd"/>TXT<byte value="xd"/>WAV<byte value="xd"/>o ser una consulta FACTVAULT.<byte value="xd"/><byte value="xd"/>Si no, se intentará abrir el archivo con su programa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="49"/>
        <source>Media File Parameters</source>
        <translation>Parámetros del archivo multimedia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="51"/>
        <source>Media file to display</source>
        <translation>Archivo multimedia que se mostrará</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="60"/>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="62"/>
        <source>Use internal viewer (AVI, BMP, TXT, RTF, WAV files only)</source>
        <translation>Usar el visor interno (solo archivos AVI, BMP, TXT, RTF y WAV)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="66"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="67"/>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="68"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="81"/>
        <source>Supported media file types are; AVI - Windows Video, BMP - Bitmap, RTF - Rich Text, TXT - Plain Text, and WAV - Audio.</source>
        <translation>Los tipos de archivo multimedia admitidos son: AVI - vídeo de Windows, BMP - mapa de bits, RTF - texto enriquecido, TXT - texto sin formato y WAV - audio.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="83"/>
        <source>You can also perform a FactVault(tm) query.  To do so enter: FACTVAULT:Query String.  See help for more information.</source>
        <translation>También puede realizar una consulta de FactVault(tm).  Para ello, escriba: FACTVAULT:Texto de la consulta.  Consulte la ayuda para más información.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="85"/>
        <source>Simply entering a file name will make Quizwell look in the same folder that it is running in.  You can also provide a relative path using \.  </source>
        <translation>Si escribe solo un nombre de archivo, Quizwell lo buscará en la misma carpeta desde la que se ejecuta.  También puede indicar una ruta relativa con \.  </translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MMediaForm.cpp" line="87"/>
        <source>For example, &quot;\MEDIA\SOUND.WAV&quot; would look in the media folder under the folder that Quizwell is running from for the file sound.wav</source>
        <translation>Por ejemplo, «\MEDIA\SOUND.WAV» buscaría el archivo sound.wav en la carpeta media situada dentro de la carpeta desde la que se ejecuta Quizwell</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="34"/>
        <source>Test is not loaded.  Create a new test or load an existing one.</source>
        <translation>Ninguna prueba cargada.  Cree o cargue una prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="38"/>
        <source>Test is not loaded. Create a new test or load an existing one.</source>
        <translation>No hay ninguna prueba cargada. Cree una prueba nueva o cargue una existente.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="42"/>
        <source>Please make your selection now.</source>
        <translation>Haga su selección ahora.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="392"/>
        <source>A test file with that name exists!<byte value="xd"/>Overwrite existing test file?</source>
        <translation>¡Ya existe un archivo de prueba con ese nombre!<byte value="xd"/>¿Desea sobrescribir el archivo de prueba existente?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="398"/>
        <source>The test file %1 could not be replaced: %2.<byte value="xd"/>Nothing was changed.</source>
        <extracomment>%1 is the test&apos;s file, %2 why it could not be replaced.</extracomment>
        <translation>No se pudo reemplazar el archivo de prueba %1: %2.<byte value="xd"/>No se modificó nada.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Specify the filename for the new test</source>
        <translation>Indique el nombre de archivo de la prueba nueva</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="65"/>
        <source>Quizwell Files|*.QWT</source>
        <translation>Archivos de Quizwell|*.QWT</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="67"/>
        <source>Quizwell Files|*.QWT|All Files|*.*</source>
        <translation>Archivos de Quizwell|*.QWT|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Select Text File to Encrypt</source>
        <translation>Seleccione el archivo de texto que desea cifrar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="68"/>
        <source>Unencrypted Test files|*.TXT|All Files|*.*</source>
        <translation>Archivos de prueba sin cifrar|*.TXT|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Select Test Name to Save to</source>
        <translation>Seleccione el nombre de la prueba en la que desea guardar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="70"/>
        <source>Test Files|*.QWT|All Files|*.*</source>
        <translation>Archivos de prueba|*.QWT|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Select Test to Decrypt</source>
        <translation>Seleccione la prueba que desea descifrar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="72"/>
        <source>Encrypted Test Files|*.QWT|All Files|*.*</source>
        <translation>Archivos de prueba cifrados|*.QWT|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Select Text File to Save to</source>
        <translation>Seleccione el archivo de texto en el que desea guardar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="74"/>
        <source>Text Files|*.TXT|All Files|*.*</source>
        <translation>Archivos de texto|*.TXT|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="76"/>
        <source>Application Files|*.EXE|All Files|*.*</source>
        <translation>Archivos de aplicación|*.EXE|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="79"/>
        <source>Export Questions to</source>
        <translation>Exportar las preguntas a</translation>
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
        <translation>&amp;Nueva prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="123"/>
        <source>&amp;Load Test</source>
        <translation>&amp;Cargar prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="124"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="130"/>
        <source>Tests found in current folder</source>
        <translation>Pruebas encontradas en la carpeta actual</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="160"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="241"/>
        <source>&amp;Global Test Settings</source>
        <translation>Configuración &amp;global de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="161"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="243"/>
        <source>&amp;Questions and Answers</source>
        <translation>&amp;Preguntas y respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="162"/>
        <source>&amp;Client Configuration</source>
        <translation>Configuración del c&amp;liente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="189"/>
        <location filename="../src/ui/maker/MainForm.cpp" line="227"/>
        <source>&amp;Results...</source>
        <translation>&amp;Resultados...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="214"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="216"/>
        <source>&amp;Load a test</source>
        <translation>&amp;Cargar una prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="218"/>
        <source>Encrypt Text File to Test</source>
        <translation>Cifrar un archivo de texto como prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="220"/>
        <source>Decrypt Test to Text File</source>
        <translation>Descifrar una prueba a archivo de texto</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="223"/>
        <source>&amp;Print Test...</source>
        <translation>&amp;Imprimir prueba...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="224"/>
        <source>&amp;Grade Answers...</source>
        <translation>Ca&amp;lificar respuestas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="226"/>
        <source>&amp;Scan Answer Sheets...</source>
        <translation>&amp;Escanear hojas de respuestas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="228"/>
        <source>&amp;Import Questions...</source>
        <translation>Im&amp;portar preguntas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="229"/>
        <source>E&amp;xport Questions...</source>
        <translation>E&amp;xportar preguntas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="230"/>
        <source>Find D&amp;uplicate Questions...</source>
        <translation>Buscar preguntas &amp;duplicadas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="233"/>
        <source>Launch Quizwell &amp;Client</source>
        <translation>Iniciar Quizwell Clien&amp;t</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="235"/>
        <source>Pre&amp;view Test</source>
        <translation>&amp;Vista previa de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="236"/>
        <source>Run in Cl&amp;assroom...</source>
        <translation>Usar en el &amp;aula...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="238"/>
        <source>&amp;Exit                     Alt-F4</source>
        <translation>&amp;Salir                     Alt-F4</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="240"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="244"/>
        <source>&amp;Search Tests...</source>
        <translation>&amp;Buscar en las pruebas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="247"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="248"/>
        <source>&amp;Contents                 F1</source>
        <translation>&amp;Contenido                F1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="250"/>
        <source>Quizwell on the &amp;Web</source>
        <translation>Quizwell en la &amp;Web</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="256"/>
        <source>Quizwell Maker &amp;Home Page</source>
        <translation>Página &amp;principal de Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="257"/>
        <source>&amp;Tips for Writing Tests</source>
        <translation>&amp;Consejos para escribir pruebas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="258"/>
        <source>&amp;Support</source>
        <translation>&amp;Soporte técnico</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="259"/>
        <source>Check for &amp;Updates</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="266"/>
        <source>&amp;About Quizwell Maker</source>
        <translation>&amp;Acerca de Quizwell Maker</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="302"/>
        <source>This is the Instructor Test Maker.<byte value="xd"/>Do not distribute with Quizwell.</source>
        <translation>Este es el programa de creación de pruebas para docentes.<byte value="xd"/>No lo distribuya con Quizwell.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="308"/>
        <source>The test file: %1<byte value="xd"/>is corrupt and can not be decoded.<byte value="xd"/>It will not be loaded.</source>
        <translation>El archivo de prueba: %1<byte value="xd"/>está dañado y no se puede descodificar.<byte value="xd"/>No se cargará.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="313"/>
        <source>The test file: %1<byte value="xd"/>can not be read: %2.<byte value="xd"/>It will not be loaded.</source>
        <extracomment>%1 is the test&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>El archivo de prueba: %1<byte value="xd"/>no se puede leer: %2.<byte value="xd"/>No se cargará.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="317"/>
        <source>Only the first %1 tests in this folder can be listed.<byte value="xd"/></source>
        <translation>Solo se pueden mostrar las primeras %1 pruebas de esta carpeta.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="319"/>
        <source>1 more test file (*.QWT) was found and is not listed.</source>
        <translation>Se encontró 1 archivo de prueba más (*.QWT) que no aparece en la lista.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="320"/>
        <source>%1 more test files (*.QWT) were found and are not listed.</source>
        <translation>Se encontraron %1 archivos de prueba más (*.QWT) que no aparecen en la lista.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="326"/>
        <source>Did not find any tests.<byte value="xd"/>All tests (*.QWT) should be in the same folder as this program.</source>
        <translation>No se encontró ninguna prueba.<byte value="xd"/>Todas las pruebas (*.QWT) deben estar en la misma carpeta que este programa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="345"/>
        <source>Could not get test name!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>¡No se pudo obtener el nombre de la prueba!<byte value="xd"/>Vuelva a intentarlo o reinstale el programa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="350"/>
        <source>Could not get file name for test!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>¡No se pudo obtener el nombre de archivo de la prueba!<byte value="xd"/>Vuelva a intentarlo o reinstale el programa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="354"/>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="171"/>
        <source>The test named %1 was not found!<byte value="xd"/>Please try again or reinstall software.</source>
        <translation>¡No se encontró la prueba llamada %1!<byte value="xd"/>Vuelva a intentarlo o reinstale el programa.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="415"/>
        <source>No description (%1)</source>
        <extracomment>The status line of a new test; %1 is its file name.</extracomment>
        <translation>Sin descripción (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="426"/>
        <source>%1 is saved in %2, outside the working folder %3.<byte value="xd"/>The list of tests shows only the tests in the working folder, and the engine finds them there.<byte value="xd"/>To work on this test another time, open it with Load Test.</source>
        <extracomment>%1 is the test&apos;s file name, %2 the folder it is saved in, %3 the working folder.</extracomment>
        <translation>%1 se ha guardado en %2, fuera de la carpeta de trabajo %3.<byte value="xd"/>La lista de pruebas muestra solo las pruebas de la carpeta de trabajo, y el motor las busca allí.<byte value="xd"/>Para trabajar en esta prueba en otra ocasión, ábrala con Cargar prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainForm.cpp" line="454"/>
        <source>Could not read test description.<byte value="xd"/>Test is not valid manually edit or delete.</source>
        <translation>No se pudo leer la descripción de la prueba.<byte value="xd"/>La prueba no es válida: edítela a mano o elimínela.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="21"/>
        <source>The test has been encrypted.</source>
        <translation>La prueba se ha cifrado.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="26"/>
        <source>The test has been Decrypted.</source>
        <translation>La prueba se ha descifrado.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="57"/>
        <source>The file %1 exists.<byte value="xd"/>Convert into it, replacing the values it holds?</source>
        <translation>El archivo %1 ya existe.<byte value="xd"/>¿Desea realizar la conversión en ese archivo y reemplazar los valores que contiene?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="66"/>
        <source>These questions were not converted: %1.<byte value="xd"/>A test holds the questions up to the first empty one, and at most %2.</source>
        <extracomment>%1 lists question numbers, %2 is the most questions a test holds.</extracomment>
        <translation>Estas preguntas no se convirtieron: %1.<byte value="xd"/>Una prueba contiene las preguntas hasta la primera vacía, y como máximo %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="111"/>
        <source>Load a test first: the classroom runs the current test.</source>
        <translation>Cargue primero una prueba: el aula usa la prueba actual.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="138"/>
        <source>QWTEST.EXE not found in current folder.<byte value="xd"/>Would you like to find and run it?</source>
        <translation>No se encontró QWTEST.EXE en la carpeta actual.<byte value="xd"/>¿Desea buscarlo y ejecutarlo?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="140"/>
        <source>%1 in current folder cannot be started: %2.<byte value="xd"/>Would you like to find and run another?</source>
        <translation>No se puede iniciar %1 de la carpeta actual: %2.<byte value="xd"/>¿Desea buscar y ejecutar otro?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="147"/>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="150"/>
        <source>%1 cannot be started: %2.</source>
        <translation>No se puede iniciar %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="161"/>
        <source>Load a test first, or choose one in the list: the results shown are that test&apos;s.</source>
        <translation>Cargue primero una prueba o elija una de la lista: se muestran los resultados de esa prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormWindows.cpp" line="204"/>
        <source>These tests could not be read and are not compared:<byte value="xd"/>%1</source>
        <translation>Estas pruebas no se pudieron leer y no se comparan:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="121"/>
        <source>Name the file for the system it is for: .gift for GIFT, .txt for Aiken, .xml for Moodle XML, .zip for a QTI package, .csv for a spreadsheet.</source>
        <translation>Dé al archivo la extensión del sistema al que va destinado: .gift para GIFT, .txt para Aiken, .xml para Moodle XML, .zip para un paquete QTI, .csv para una hoja de cálculo.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/MainFormExchange.cpp" line="127"/>
        <source>The questions of %1 have been exported to %2.</source>
        <translation>Las preguntas de %1 se han exportado a %2.</translation>
    </message>
</context>
<context>
    <name>TNoteForm</name>
    <message>
        <location filename="../src/ui/maker/NoteForm.cpp" line="23"/>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="50"/>
        <source>Print Test</source>
        <translation>Imprimir prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="52"/>
        <source>Versions</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="56"/>
        <source>Versions are named A, B, C, ...</source>
        <translation>Las versiones se denominan A, B, C, ...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="57"/>
        <source>&amp;Number of versions:</source>
        <translation>&amp;Número de versiones:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="59"/>
        <source>Shuffle the &amp;questions</source>
        <translation>Mezclar las &amp;preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="61"/>
        <source>Shuffle the &amp;answers of each question</source>
        <translation>Mezclar las &amp;respuestas de cada pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="67"/>
        <source>The same seed makes the same versions again; note it to grade them.</source>
        <translation>La misma semilla vuelve a generar las mismas versiones; anótela para calificarlas.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="68"/>
        <source>Ne&amp;w</source>
        <translation>Nuev&amp;a</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="71"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="74"/>
        <source>Balance the versions&apos; e&amp;xpected scores</source>
        <translation>E&amp;quilibrar las puntuaciones esperadas de las versiones</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="77"/>
        <source>Versions are balanced when the test draws its questions from a blueprint</source>
        <translation>Las versiones se equilibran cuando la prueba saca sus preguntas de un plan</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="78"/>
        <source>Draws the versions from the blueprint so that their expected mean scores, from the results recorded, match</source>
        <translation>Saca las versiones del plan de modo que sus puntuaciones medias esperadas, según los resultados guardados, coincidan</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="84"/>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="86"/>
        <source>The q&amp;uestions</source>
        <translation>Las preg&amp;untas</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="87"/>
        <source>A name, date and c&amp;lass line</source>
        <translation>Una línea de nombre, fecha y grup&amp;o</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="88"/>
        <source>The &amp;begin message</source>
        <translation>El &amp;mensaje de inicio</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="89"/>
        <source>An answer s&amp;heet for each version</source>
        <translation>Una &amp;hoja de respuestas por versión</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="90"/>
        <source>Sheets the scanner reads: a box per answer, corner marks and a QR code</source>
        <translation>Hojas que lee el escáner: una casilla por respuesta, marcas en las esquinas y un código QR</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="94"/>
        <source>Columns of boxes for a student number; 0 for none</source>
        <translation>Columnas de casillas para el número de estudiante; 0 para ninguna</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="96"/>
        <source>Student nu&amp;mber digits:</source>
        <translation>Dí&amp;gitos del número de estudiante:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="103"/>
        <source>One per student, each with its own serial; 1 prints a sheet to photocopy</source>
        <translation>Una por estudiante, cada una con su propio número de serie; con 1 se imprime una hoja para fotocopiar</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="105"/>
        <source>Shee&amp;ts per version:</source>
        <translation>Ho&amp;jas por versión:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="112"/>
        <source>The answer &amp;keys, on their own pages</source>
        <translation>Las &amp;claves de respuestas, en páginas aparte</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="115"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="116"/>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="117"/>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="118"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="137"/>
        <source>The seed must be a whole number of up to 18 digits.</source>
        <translation>La semilla debe ser un número entero de hasta 18 dígitos.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="163"/>
        <source>The results could not be read: %1</source>
        <translation>No se pudieron leer los resultados: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="178"/>
        <source>A sheet of %1 pages to photocopy needs a student number on every page to put its pages together: give the student number digits, or print a sheet per student.</source>
        <extracomment>%1 is how many pages one student&apos;s answer sheet takes.</extracomment>
        <translation>Una hoja de %1 páginas para fotocopiar necesita el número de estudiante en cada página para poder reunir sus páginas: indique los dígitos del número de estudiante o imprima una hoja por estudiante.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="196"/>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="200"/>
        <source>The test has been sent to the printer.</source>
        <translation>La prueba se ha enviado a la impresora.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="206"/>
        <source>These pictures are not printed:</source>
        <translation>Estas imágenes no se imprimen:</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="212"/>
        <source>Recorded as print run %1 for grading.</source>
        <translation>Se registró como tirada de impresión %1 para la calificación.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="215"/>
        <source>Seed %1 was printed before as run %2 with other questions drawn: the sheets of the two prints cannot be told apart, so neither is graded when scanned. Print again with a new seed.</source>
        <extracomment>%1 is the seed, %2 the number of the earlier print run.</extracomment>
        <translation>La semilla %1 ya se imprimió en la tirada %2 con otras preguntas sorteadas: las hojas de las dos impresiones no se pueden distinguir, así que ninguna se califica al escanearlas. Vuelva a imprimir con una semilla nueva.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="223"/>
        <source>The print run could not be recorded for grading: %1</source>
        <extracomment>%1 is the reason the results store gives.</extracomment>
        <translation>No se pudo registrar la tirada de impresión para la calificación: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="224"/>
        <source>Note seed %1 to grade the sheets.</source>
        <translation>Anote la semilla %1 para calificar las hojas.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>Save Test as PDF</source>
        <translation>Guardar la prueba como PDF</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="244"/>
        <source>PDF Files|*.pdf|All Files|*.*</source>
        <translation>Archivos PDF|*.pdf|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="252"/>
        <source>The PDF could not be made.</source>
        <translation>No se pudo crear el PDF.</translation>
    </message>
    <message>
        <location filename="../src/ui/print/PrintForm.cpp" line="256"/>
        <source>The test has been saved as a PDF of %1 pages:<byte value="xd"/>%2</source>
        <extracomment>%2 is the PDF&apos;s path, on a line of its own.</extracomment>
        <translation>La prueba se ha guardado como un PDF de %1 páginas:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="26"/>
        <source>&quot;%1&quot;: give a category, &quot;=&quot; and how many questions to ask</source>
        <extracomment>%1 is a line of a blueprint as the teacher gave it.</extracomment>
        <translation>«%1»: indique una categoría, «=» y cuántas preguntas plantear</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="31"/>
        <source>%1: ask from 1 to %2 questions, not &quot;%3&quot;</source>
        <extracomment>%1 is a category, %2 the most questions a test holds, %3 what was given for it.</extracomment>
        <translation>%1: plantee de 1 a %2 preguntas, no «%3»</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="35"/>
        <source>%1: named twice</source>
        <extracomment>%1 is a category.</extracomment>
        <translation>%1: aparece dos veces</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="38"/>
        <source>%1: %2 asked, %3 in the test</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many the test has.</extracomment>
        <translation>%1: se piden %2, hay %3 en la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="44"/>
        <source>%1: %2 asked, %3 needed for one of each tag</source>
        <extracomment>%1 is a category, %2 how many questions the blueprint asks of it, %3 how many one of each tag takes.</extracomment>
        <translation>%1: se piden %2, se necesitan %3 para tener una de cada etiqueta</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="51"/>
        <source>the blueprint does not read (%1): every question is printed</source>
        <extracomment>%1 says why the test&apos;s blueprint does not read.</extracomment>
        <translation>el plan no se puede interpretar (%1): se imprimen todas las preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/platform/PaperWords.cpp" line="58"/>
        <source>no statistics for these questions yet: versions drawn at random</source>
        <translation>aún no hay estadísticas de estas preguntas: versiones sacadas al azar</translation>
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
        <translation>media esperada: %1 (diferencia de %2 puntos)</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/platform/PaperWords.cpp" line="72"/>
        <source>expected mean: %1 (spread %2 points); %n questions without statistics counted at the mean</source>
        <extracomment>%1 lists each version&apos;s expected mean score, %2 the highest less the lowest; %n questions have no statistics.</extracomment>
        <translation>
            <numerusform>media esperada: %1 (diferencia de %2 puntos); %n pregunta sin estadísticas se cuenta con el valor medio</numerusform>
            <numerusform>media esperada: %1 (diferencia de %2 puntos); %n preguntas sin estadísticas se cuentan con el valor medio</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TQAForm</name>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="49"/>
        <source>Quizwell only supports up to 500 questions.</source>
        <translation>Quizwell solo admite hasta 500 preguntas.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="52"/>
        <source>Delete this question?</source>
        <translation>¿Desea eliminar esta pregunta?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="55"/>
        <source>Question has been deleted.</source>
        <translation>Se ha eliminado la pregunta.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="29"/>
        <source>Any changes made since you last saved will be lost!<byte value="xd"/>Would you like to exit?</source>
        <translation>¡Se perderán todos los cambios realizados desde la última vez que guardó!<byte value="xd"/>¿Desea salir?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="33"/>
        <source>This will reload the test from disk.<byte value="xd"/>Any changes you have made will be lost!<byte value="xd"/>Are you sure that you want to revert?</source>
        <translation>Se volverá a cargar la prueba desde el disco.<byte value="xd"/>¡Se perderán todos los cambios que haya realizado!<byte value="xd"/>¿Está seguro de que desea revertirla?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="39"/>
        <source>Changes saved. Would you like to continue editing?</source>
        <translation>Cambios guardados. ¿Desea seguir editando?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="42"/>
        <source>Save the changes to %1 before closing?</source>
        <translation>¿Desea guardar los cambios de %1 antes de cerrar?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="45"/>
        <source>The questions of this test were not numbered in sequence.<byte value="xd"/>They are shown renumbered, and Save stores them under the new numbers.</source>
        <translation>Las preguntas de esta prueba no estaban numeradas de forma consecutiva.<byte value="xd"/>Se muestran con una nueva numeración, y al guardar se almacenan con los números nuevos.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="59"/>
        <source>These questions have no question text, so they cannot be saved: %1.<byte value="xd"/>Their answers and other entries will be lost.<byte value="xd"/>Save without them?</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>Estas preguntas no tienen enunciado, así que no se pueden guardar: %1.<byte value="xd"/>Se perderán sus respuestas y demás datos.<byte value="xd"/>¿Desea guardar sin ellas?</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="67"/>
        <source>These empty questions were not saved: %1.<byte value="xd"/>The questions after them were saved under numbers that close the gap.</source>
        <extracomment>%1 lists question numbers.</extracomment>
        <translation>Estas preguntas vacías no se guardaron: %1.<byte value="xd"/>Las preguntas posteriores se guardaron con números que cierran el hueco.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="73"/>
        <source>The test file %1 was deleted while it was being edited.<byte value="xd"/>It was written anew: the settings of a new test and these questions.</source>
        <translation>El archivo de prueba %1 se eliminó mientras se editaba.<byte value="xd"/>Se ha vuelto a escribir con la configuración de una prueba nueva y estas preguntas.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="24"/>
        <source>No spelling dictionary for %1 is installed, so spelling is not checked.</source>
        <extracomment>%1 is a language, as &quot;en_US&quot;.</extracomment>
        <translation>No hay ningún diccionario ortográfico instalado para %1, así que no se revisa la ortografía.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="80"/>
        <source>Loading questions.  Please wait...</source>
        <translation>Cargando las preguntas.  Espere, por favor...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="83"/>
        <source>Saving questions.  Please wait...</source>
        <translation>Guardando las preguntas.  Espere, por favor...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="93"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="332"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="105"/>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="114"/>
        <source>Mechanics/Forces</source>
        <translation>Mecánica/Fuerzas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="116"/>
        <source>tags, separated by commas</source>
        <translation>etiquetas, separadas por comas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="117"/>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="188"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="189"/>
        <source>&amp;Save Test</source>
        <translation>&amp;Guardar prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="191"/>
        <source>&amp;Revert Test</source>
        <translation>&amp;Revertir prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="192"/>
        <source>&amp;Preview Test</source>
        <translation>&amp;Vista previa de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="193"/>
        <source>&amp;Import Questions...</source>
        <translation>&amp;Importar preguntas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="195"/>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="197"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="198"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo</source>
        <extracomment>%1 names the change undone, as &quot;Typing&quot;.</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="200"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo</source>
        <extracomment>%1 names the change redone, as &quot;Typing&quot;.</extracomment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="207"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="211"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="214"/>
        <source>&amp;Add New Question</source>
        <translation>&amp;Agregar pregunta nueva</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="216"/>
        <source>&amp;Delete Current Question</source>
        <translation>&amp;Eliminar la pregunta actual</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="218"/>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="219"/>
        <source>R&amp;eplace...</source>
        <translation>Ree&amp;mplazar...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="222"/>
        <source>Check &amp;Spelling of the Whole Test</source>
        <translation>Revisar la &amp;ortografía de toda la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="224"/>
        <source>Spelling &amp;Language</source>
        <translation>&amp;Idioma de revisión ortográfica</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="233"/>
        <source>&amp;Navigate</source>
        <translation>&amp;Navegar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="234"/>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="236"/>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="239"/>
        <source>&amp;Top</source>
        <translation>&amp;Primera</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="240"/>
        <source>&amp;Bottom</source>
        <translation>Ú&amp;ltima</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="242"/>
        <source>Jump to...</source>
        <translation>Ir a...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="243"/>
        <source>Question &amp;List...</source>
        <translation>&amp;Lista de preguntas...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="245"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="278"/>
        <source>Save Test</source>
        <translation>Guardar prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="279"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="281"/>
        <source>Revert Test</source>
        <translation>Revertir prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="299"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="301"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="305"/>
        <source>Bottom</source>
        <translation>Última</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="306"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="307"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="308"/>
        <source>Top</source>
        <translation>Primera</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="309"/>
        <source>Jump To...</source>
        <translation>Ir a...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="311"/>
        <source>Add New Question</source>
        <translation>Agregar pregunta nueva</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="312"/>
        <source>Delete Current Question</source>
        <translation>Eliminar la pregunta actual</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="321"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="358"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="322"/>
        <location filename="../src/ui/maker/QAForm.cpp" line="359"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="342"/>
        <source>Click to add a hot link.</source>
        <translation>Haga clic para agregar un hipervínculo.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="343"/>
        <source>Click to add media file</source>
        <translation>Haga clic para agregar un archivo multimedia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="350"/>
        <source>Enter up to 6 answers.  Check the box next to each correct answer.</source>
        <translation>Escriba hasta 6 respuestas.  Marque la casilla junto a cada respuesta correcta.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="379"/>
        <source>Answer %1</source>
        <extracomment>Read out by a screen reader; %1 is the answer&apos;s letter.</extracomment>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="380"/>
        <source>Answer %1 is correct</source>
        <translation>La respuesta %1 es correcta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="393"/>
        <source>All answers must be correct to pass</source>
        <translation>Para aprobar deben marcarse todas las respuestas correctas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="395"/>
        <source>Any correct answer is concidered a pass</source>
        <translation>Basta con cualquier respuesta correcta para aprobar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="501"/>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="153"/>
        <source>Set Category</source>
        <translation>Asignar categoría</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="506"/>
        <source>Move Question</source>
        <translation>Mover pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="75"/>
        <source>(no suggestions)</source>
        <translation>(sin sugerencias)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="80"/>
        <source>Add to word list</source>
        <translation>Agregar a la lista de palabras</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="85"/>
        <source>Ignore</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="102"/>
        <source>No unknown words</source>
        <translation>No hay palabras desconocidas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="103"/>
        <source>1 unknown word</source>
        <translation>1 palabra desconocida</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormSpelling.cpp" line="104"/>
        <source>%1 unknown words</source>
        <translation>%1 palabras desconocidas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="164"/>
        <source>Save changes before the preview?<byte value="xd"/>The preview shows the test as saved.</source>
        <translation>¿Desea guardar los cambios antes de la vista previa?<byte value="xd"/>La vista previa muestra la prueba tal como está guardada.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormFile.cpp" line="185"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="515"/>
        <source>Add Question</source>
        <translation>Agregar pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="524"/>
        <source>Delete Question</source>
        <translation>Eliminar pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="535"/>
        <source>Paste Question</source>
        <translation>Pegar pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAForm.cpp" line="545"/>
        <source>Paste Answers</source>
        <translation>Pegar respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QAFormScreen.cpp" line="154"/>
        <source>Set Tags</source>
        <translation>Asignar etiquetas</translation>
    </message>
</context>
<context>
    <name>TQuestionForm</name>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="119"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;Hipervínculo</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="120"/>
        <source>&amp;Reference</source>
        <translation>&amp;Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="121"/>
        <source>&amp;Media</source>
        <translation>&amp;Multimedia</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="122"/>
        <source>Chec&amp;k</source>
        <translation>C&amp;omprobar</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="129"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; A&amp;nterior</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="130"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="131"/>
        <source>Finish &amp;Test</source>
        <translation>&amp;Terminar la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="178"/>
        <source>Question %1 of %2</source>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="184"/>
        <source>(choose any that apply)</source>
        <translation>(elija cualquiera de las que correspondan)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="185"/>
        <source>(choose all that apply)</source>
        <translation>(elija todas las que correspondan)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="255"/>
        <source>✔ right</source>
        <extracomment>Marks shown after a checked answer.</extracomment>
        <translation>✔ correcta</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="257"/>
        <source>✘ wrong</source>
        <translation>✘ incorrecta</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="259"/>
        <source>✔ correct answer</source>
        <translation>✔ respuesta correcta</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="265"/>
        <source>Wrong.</source>
        <translation>Incorrecto.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="268"/>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="356"/>
        <source>Reference: %1</source>
        <translation>Referencia: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="286"/>
        <source>Please answer this question before going on.</source>
        <translation>Responda esta pregunta antes de continuar.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/engine/QuestionForm.cpp" line="313"/>
        <source>%n question(s) have no answer and will count as wrong.<byte value="xd"/>Finish the test now?</source>
        <translation>
            <numerusform>%n pregunta no tiene respuesta y contará como incorrecta.<byte value="xd"/>¿Desea terminar la prueba ahora?</numerusform>
            <numerusform>%n preguntas no tienen respuesta y contarán como incorrectas.<byte value="xd"/>¿Desea terminar la prueba ahora?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="314"/>
        <source>Every question has an answer.<byte value="xd"/>Finish the test now? No answer can be changed afterwards.</source>
        <translation>Todas las preguntas tienen respuesta.<byte value="xd"/>¿Desea terminar la prueba ahora? Después no se podrá cambiar ninguna respuesta.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="322"/>
        <source>End the test now? It is scored as it stands.</source>
        <translation>¿Desea terminar la prueba ahora? Se calificará tal como está.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="369"/>
        <source>Elapsed: %1</source>
        <translation>Transcurrido: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="370"/>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="372"/>
        <source>Elapsed %1</source>
        <translation>Transcurrido %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/QuestionForm.cpp" line="375"/>
        <source>Left %1</source>
        <extracomment>The time left, on the bar that shows it; %1 is hours:minutes:seconds.</extracomment>
        <translation>Quedan %1</translation>
    </message>
</context>
<context>
    <name>TQuestionListForm</name>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="70"/>
        <source>Question List</source>
        <translation>Lista de preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="72"/>
        <source>Category or tag</source>
        <translation>Categoría o etiqueta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="75"/>
        <source>Asked</source>
        <translation>Planteadas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Facility</source>
        <translation>Facilidad</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Discrimination</source>
        <translation>Discriminación</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="76"/>
        <source>Last Asked</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="77"/>
        <source>Key Changed</source>
        <translation>Clave cambiada</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="91"/>
        <source>Mechanics/Forces</source>
        <translation>Mecánica/Fuerzas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="92"/>
        <source>Set &amp;Category</source>
        <translation>Asignar &amp;categoría</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="93"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="96"/>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="101"/>
        <source>Category of the selected questions:</source>
        <translation>Categoría de las preguntas seleccionadas:</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/QuestionListForm.cpp" line="148"/>
        <source>changed</source>
        <translation>cambiada</translation>
    </message>
</context>
<context>
    <name>TResultsForm</name>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="28"/>
        <source>Make &quot;%1&quot; a drop folder?<byte value="xd"/>Students can then put their results into it but not see the files there; only you can list and read them (mode 1733).</source>
        <translation>¿Desea convertir «%1» en una carpeta de entrega?<byte value="xd"/>Los estudiantes podrán dejar en ella sus resultados, pero no ver los archivos que contiene; solo usted podrá enumerarlos y leerlos (modo 1733).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/DropFolder.cpp" line="37"/>
        <source>The mode of &quot;%1&quot; could not be changed.<byte value="xd"/>%2</source>
        <translation>No se pudo cambiar el modo de «%1».<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>engine</source>
        <extracomment>Where an attempt came from: the engine, a paper test, a scanned sheet, the classroom or an import.</extracomment>
        <translation>motor</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="57"/>
        <source>paper</source>
        <translation>papel</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>scan</source>
        <translation>escaneo</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="58"/>
        <source>classroom</source>
        <translation>aula</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="59"/>
        <source>import</source>
        <translation>importación</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-easy</source>
        <extracomment>The item analysis&apos;s flags of a question: answered right by nearly all, by few; telling the able students from the others weakly, the wrong way round; a wrong letter chosen by the able ones. Each is one word, hyphens for blanks: a question&apos;s flags are listed with blanks between.</extracomment>
        <translation>muy-fácil</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="24"/>
        <source>very-hard</source>
        <translation>muy-difícil</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>weak</source>
        <translation>débil</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="25"/>
        <source>negative</source>
        <translation>negativa</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="26"/>
        <source>miskey</source>
        <translation>clave-errónea</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="149"/>
        <source>%1 (any)</source>
        <extracomment>A key whose letters each pass on their own; %1 is the letters.</extracomment>
        <translation>%1 (cualquiera)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="154"/>
        <source>CSV Files|*.CSV|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Archivos CSV|*.CSV|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="67"/>
        <source>%1 of %2</source>
        <extracomment>A score: %1 questions right of %2 asked.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="72"/>
        <source>%1% (%2 of %3 passed)</source>
        <extracomment>The pass rate: %1 percent of the attempts, %2 of the %3 attempts passed.</extracomment>
        <translation>%1&#xa0;% (%2 de %3 aprobados)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="29"/>
        <source>yes</source>
        <extracomment>Whether an attempt passed.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="30"/>
        <source>no</source>
        <translation>no</translation>
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
        <translation>Estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="88"/>
        <source>Student number</source>
        <translation>Número de estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="89"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="90"/>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="91"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="92"/>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="93"/>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="94"/>
        <source>Passed</source>
        <translation>Aprobado</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="95"/>
        <source>Time taken</source>
        <translation>Tiempo empleado</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="97"/>
        <source>Questions</source>
        <extracomment>The questions an attempt asked, by their numbers in the test: &quot;1, 4, 7-9&quot;.</extracomment>
        <translation>Preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="101"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="102"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="193"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="298"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="103"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="123"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="249"/>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="104"/>
        <source>Facility</source>
        <translation>Facilidad</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="105"/>
        <source>Discrimination</source>
        <translation>Discriminación</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="172"/>
        <location filename="../src/ui/results/ResultsReport.cpp" line="107"/>
        <source>Blank</source>
        <translation>En blanco</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="108"/>
        <source>Flags</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="121"/>
        <source>Attempts by percent score</source>
        <translation>Intentos por porcentaje de acierto</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="159"/>
        <source>Question %1: who chose each answer</source>
        <translation>Pregunta %1: quién eligió cada respuesta</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="161"/>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="162"/>
        <source>Top 27%</source>
        <translation>27&#xa0;% superior</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="163"/>
        <source>Bottom 27%</source>
        <translation>27&#xa0;% inferior</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="167"/>
        <source>%1 (key)</source>
        <extracomment>An answer&apos;s letter on the chart, when it is the key; %1 is the letter.</extracomment>
        <translation>%1 (clave)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="194"/>
        <source>Test statistics</source>
        <translation>Estadísticas de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="195"/>
        <location filename="../src/ui/results/ResultsForm.cpp" line="352"/>
        <source>Item analysis</source>
        <translation>Análisis de ítems</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="196"/>
        <source>Regrade</source>
        <translation>Recalificar</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="198"/>
        <source>Export &amp;Gradebook...</source>
        <translation>Exportar libro de &amp;calificaciones...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="199"/>
        <source>Export &amp;Item Analysis...</source>
        <translation>Exportar análisis de í&amp;tems...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="200"/>
        <source>Export &amp;Report (PDF)...</source>
        <translation>Exportar &amp;informe (PDF)...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="201"/>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="248"/>
        <source>Results - %1</source>
        <translation>Resultados - %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="267"/>
        <source>No results folder is set (Client Configuration, Results tab).</source>
        <translation>No se ha definido ninguna carpeta de resultados (Configuración del cliente, pestaña Resultados).</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="268"/>
        <source>Results folder: %1</source>
        <translation>Carpeta de resultados: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="273"/>
        <source>Dates from</source>
        <translation>Fechas desde</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="280"/>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="281"/>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="283"/>
        <source>All sources</source>
        <translation>Todos los orígenes</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="286"/>
        <source>All classes</source>
        <translation>Todos los grupos</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="291"/>
        <source>to</source>
        <extracomment>Between the first and the last day of the dates shown.</extracomment>
        <translation>hasta</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="299"/>
        <source>&amp;Delete Attempt...</source>
        <translation>&amp;Eliminar intento...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="300"/>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Deshacer eliminación</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="310"/>
        <source>Make Drop &amp;Folder...</source>
        <translation>Crear carpeta de entre&amp;ga...</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="313"/>
        <source>Files not collected</source>
        <translation>Archivos no recogidos</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="324"/>
        <source>Files not collected (left in place):</source>
        <translation>Archivos no recogidos (se dejaron donde estaban):</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="359"/>
        <source>Counts per answer: all / top 27% / bottom 27%. Double-click a question to edit it.</source>
        <translation>Recuentos por respuesta: todos / 27&#xa0;% superior / 27&#xa0;% inferior. Haga doble clic en una pregunta para editarla.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="374"/>
        <source>Questions whose key changed</source>
        <translation>Preguntas cuya clave cambió</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key marked with</source>
        <translation>Clave con la que se calificó</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="375"/>
        <source>Key now</source>
        <translation>Clave actual</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="376"/>
        <source>Regrade with the &amp;Key Now</source>
        <translation>Recalificar con la c&amp;lave actual</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="377"/>
        <source>Attempts rescored</source>
        <translation>Intentos recalificados</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>First score</source>
        <translation>Primera puntuación</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="378"/>
        <source>Score now</source>
        <translation>Puntuación actual</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="381"/>
        <source>Questions whose key changed since attempts were marked:</source>
        <translation>Preguntas cuya clave cambió después de calificar los intentos:</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="387"/>
        <source>Attempts rescored (each keeps its first score):</source>
        <translation>Intentos recalificados (cada uno conserva su primera puntuación):</translation>
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
        <translation>Intentos: %1
Media: %2&#xa0;%
Mediana: %3&#xa0;%
Desviación estándar: %4
Fiabilidad KR-20: %5
Error estándar de medición: %6
Tasa de aprobados: %7</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="536"/>
        <source>Choose the attempt to delete first.</source>
        <translation>Elija primero el intento que desea eliminar.</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="540"/>
        <source>Delete the attempt of %1 taken %2?<byte value="xd"/>Undo Delete brings it back.</source>
        <translation>¿Desea eliminar el intento de %1 realizado el %2?<byte value="xd"/>Deshacer eliminación lo recupera.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/results/ResultsForm.cpp" line="561"/>
        <source>%n attempt(s) were rescored with the test&apos;s key; each keeps its first score. %1 score(s) changed.</source>
        <translation>
            <numerusform>Se recalificó %n intento con la clave de la prueba; conserva su primera puntuación. Puntuaciones modificadas: %1.</numerusform>
            <numerusform>Se recalificaron %n intentos con la clave de la prueba; cada uno conserva su primera puntuación. Puntuaciones modificadas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="580"/>
        <source>Export Gradebook</source>
        <translation>Exportar libro de calificaciones</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="585"/>
        <source>Export Item Analysis</source>
        <translation>Exportar análisis de ítems</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="593"/>
        <source>PDF Files|*.PDF|All Files|*.*</source>
        <extracomment>A file-type filter: description|patterns pairs. Translate the descriptions only.</extracomment>
        <translation>Archivos PDF|*.PDF|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="594"/>
        <source>Export Report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsForm.cpp" line="602"/>
        <source>Results: %1 (%2)</source>
        <translation>Resultados: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/results/ResultsReport.cpp" line="242"/>
        <source>Item analysis (answers: all / top 27% / bottom 27%)</source>
        <translation>Análisis de ítems (respuestas: todos / 27&#xa0;% superior / 27&#xa0;% inferior)</translation>
    </message>
</context>
<context>
    <name>TReviewForm</name>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="17"/>
        <source>Review</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="38"/>
        <source>&amp;Hot Link</source>
        <translation>&amp;Hipervínculo</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="39"/>
        <source>&amp;Reference</source>
        <translation>&amp;Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="40"/>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; A&amp;nterior</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="41"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="42"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="65"/>
        <source>Nothing to review.</source>
        <translation>No hay nada que revisar.</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="76"/>
        <source>Review %1 of %2 (question %3 of the test)</source>
        <translation>Revisión %1 de %2 (pregunta %3 de la prueba)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>Your answer: %1</source>
        <translation>Su respuesta: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="85"/>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="88"/>
        <source>Correct answer: %1 (any one of them passes)</source>
        <translation>Respuesta correcta: %1 (basta con cualquiera de ellas)</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="89"/>
        <source>Correct answer: %1</source>
        <translation>Respuesta correcta: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/engine/ReviewForm.cpp" line="90"/>
        <source>You checked this answer during the test; it was locked from then on.</source>
        <translation>Comprobó esta respuesta durante la prueba; a partir de entonces quedó bloqueada.</translation>
    </message>
</context>
<context>
    <name>TScanForm</name>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="85"/>
        <source>not a grey image</source>
        <translation>no es una imagen en escala de grises</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="86"/>
        <source>the image cannot be read: %1</source>
        <translation>no se puede leer la imagen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="87"/>
        <source>no corner markers: a blank page, or not an answer sheet</source>
        <translation>no hay marcas de esquina: una página en blanco o no es una hoja de respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="88"/>
        <source>only %1 of the four corner markers found</source>
        <translation>solo se encontraron %1 de las cuatro marcas de esquina</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="89"/>
        <source>the QR code cannot be read</source>
        <translation>no se puede leer el código QR</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="90"/>
        <source>the QR code is not an answer sheet&apos;s</source>
        <translation>el código QR no es de una hoja de respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="91"/>
        <source>the corner markers do not stand where a sheet&apos;s do (a corner torn off or folded?)</source>
        <translation>las marcas de esquina no están donde las de una hoja (¿una esquina arrancada o doblada?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="93"/>
        <source>the corner markers do not stand where a sheet&apos;s do (the page folded, or photographed more than 15 degrees aside?)</source>
        <translation>las marcas de esquina no están donde las de una hoja (¿la página doblada o fotografiada con más de 15 grados de inclinación?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="96"/>
        <source>the QR code does not stand where the corner markers put it</source>
        <translation>el código QR no está donde lo sitúan las marcas de esquina</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="97"/>
        <source>the page is too faint to read</source>
        <translation>la página es demasiado tenue para leerla</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="98"/>
        <source>a box neither blank nor marked</source>
        <translation>una casilla ni en blanco ni marcada</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="99"/>
        <source>boxes neither blank nor marked</source>
        <translation>casillas ni en blanco ni marcadas</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="100"/>
        <source>marks between the boxes (a circled box?)</source>
        <translation>marcas entre las casillas (¿una casilla rodeada con un círculo?)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="101"/>
        <source>more than one box marked</source>
        <translation>más de una casilla marcada</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="102"/>
        <source>column %1 has more than one digit marked</source>
        <translation>la columna %1 tiene más de un dígito marcado</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="103"/>
        <source>column %1 has a box neither blank nor marked</source>
        <translation>la columna %1 tiene una casilla ni en blanco ni marcada</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="104"/>
        <source>column %1 is left blank</source>
        <translation>la columna %1 está en blanco</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="125"/>
        <source>seed %1, %2</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;).</extracomment>
        <translation>semilla %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="128"/>
        <source>seed %1, %2, %3</source>
        <extracomment>A printed run named inside a problem: %1 is its seed, %2 its versions (&quot;2 versions&quot;), %3 what was shuffled.</extracomment>
        <translation>semilla %1, %2, %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="138"/>
        <source>sheet %1 of version %2</source>
        <extracomment>A sheet named inside a problem: %1 is its serial, %2 its version letter.</extracomment>
        <translation>la hoja %1 de la versión %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="140"/>
        <source>version %1 sheet of student %2</source>
        <translation>la hoja de la versión %1 del estudiante %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="144"/>
        <source>version %1 sheet</source>
        <translation>la hoja de la versión %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="159"/>
        <source>a page of another test (fingerprint %1)</source>
        <translation>una página de otra prueba (huella %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="161"/>
        <source>a sheet of a print that was not recorded (%1)</source>
        <translation>una hoja de una impresión que no se registró (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="163"/>
        <source>a sheet of one of two prints with the same seed that drew other questions (%1): which it is cannot be known, so it is not graded</source>
        <translation>una hoja de una de dos impresiones con la misma semilla que sortearon otras preguntas (%1): no se puede saber de cuál es, así que no se califica</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="168"/>
        <source>a sheet of another print than the rest of the pile (%1)</source>
        <translation>una hoja de una impresión distinta de la del resto del lote (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="170"/>
        <source>version %1 is not one of the %2 versions of its print</source>
        <translation>la versión %1 no es ninguna de las %2 versiones de su impresión</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="174"/>
        <source>the page&apos;s student cannot be known: the student number written on every page of a photocopied sheet is missing or unclear on it</source>
        <translation>no se puede saber de qué estudiante es la página: el número de estudiante escrito en cada página de una hoja fotocopiada falta o no está claro</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="183"/>
        <source>%1 has page %2 more than once (%3): which copy is whose cannot be known, so the sheet is not graded</source>
        <extracomment>%1 names the sheet, %2 is a page&apos;s number, %3 the places of its copies.</extracomment>
        <translation>%1 tiene la página %2 más de una vez (%3): no se puede saber de quién es cada copia, así que la hoja no se califica</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="339"/>
        <source>The recorded runs cannot be read: %1</source>
        <translation>No se pueden leer las tiradas registradas: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="492"/>
        <source>Warning: %1</source>
        <extracomment>%1 is what was graded all the same but should be checked.</extracomment>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="694"/>
        <source>The sheets read cannot be graded: %1</source>
        <translation>Las hojas leídas no se pueden calificar: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="109"/>
        <source>%1 page %2, question %3</source>
        <extracomment>Where on the scans: %1 is a file, %2 a page&apos;s number in it, %3 a question&apos;s number on the sheet.</extracomment>
        <translation>%1 página %2, pregunta %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="110"/>
        <source>%1 page %2, student number</source>
        <translation>%1 página %2, número de estudiante</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="111"/>
        <source>%1 page %2</source>
        <translation>%1 página %2</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="178"/>
        <source>page %1 of a version %2 sheet whose page 1 is not before it</source>
        <translation>la página %1 de una hoja de la versión %2 cuya página 1 no está delante de ella</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="191"/>
        <source>%1 lacks page %2 of %3</source>
        <extracomment>%1 names the sheet, %2 the pages missing, %3 how many pages it has.</extracomment>
        <translation>a %1 le falta la página %2 de %3</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="195"/>
        <source>the test&apos;s questions or answers were changed after this sheet was printed: its rows are not the test&apos;s as it is now, so it cannot be graded with it</source>
        <translation>las preguntas o respuestas de la prueba se modificaron después de imprimir esta hoja: sus filas no corresponden a la prueba tal como está ahora, así que no se puede calificar con ella</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="199"/>
        <source>its questions do not follow those of the sheet&apos;s page before</source>
        <translation>sus preguntas no siguen a las de la página anterior de la hoja</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="201"/>
        <source>student number %1 is on more than one sheet (%2)</source>
        <translation>el número de estudiante %1 aparece en más de una hoja (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="216"/>
        <source>the test was changed after these sheets were printed: they are read with its questions and keys as they are now</source>
        <translation>la prueba se modificó después de imprimir estas hojas: se leen con sus preguntas y claves tal como están ahora</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="221"/>
        <source>%1: read as pencil</source>
        <extracomment>%1 is where the page is: a file and a page&apos;s number in it.</extracomment>
        <translation>%1: leída como escrita a lápiz</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="225"/>
        <source>some sheets were printed before sheets had serials: their pages are joined by their order in the pile, so check that each sheet&apos;s pages lie together, first page first</source>
        <translation>algunas hojas se imprimieron antes de que las hojas tuvieran número de serie: sus páginas se reúnen según su orden en el lote, así que compruebe que las páginas de cada hoja estén juntas, con la primera página delante</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="256"/>
        <source>Scan Answer Sheets</source>
        <translation>Escanear hojas de respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="260"/>
        <source>Pages read</source>
        <translation>Páginas leídas</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="268"/>
        <source>To review</source>
        <translation>Por revisar</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="274"/>
        <source>Add the scanned sheets: PDF files, PNG, JPEG or TIFF images.</source>
        <translation>Agregue las hojas escaneadas: archivos PDF o imágenes PNG, JPEG o TIFF.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="279"/>
        <source>&amp;Add Files...</source>
        <translation>&amp;Agregar archivos...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="280"/>
        <source>Add F&amp;older...</source>
        <translation>Agregar &amp;carpeta...</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="281"/>
        <source>&amp;Cancel Reading</source>
        <translation>Cancelar la &amp;lectura</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="283"/>
        <source>&amp;Grade and Record</source>
        <translation>Calificar y &amp;registrar</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="285"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="299"/>
        <source>To review:</source>
        <translation>Por revisar:</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="311"/>
        <location filename="../src/ui/scan/ScanForm.cpp" line="312"/>
        <source>lighter marks count</source>
        <translation>cuentan las marcas más claras</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="345"/>
        <source>No print of the test is recorded; its sheets cannot be checked or graded.</source>
        <translation>No hay ninguna impresión registrada de la prueba; sus hojas no se pueden comprobar ni calificar.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="357"/>
        <source>Add Scanned Sheets</source>
        <translation>Agregar hojas escaneadas</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="358"/>
        <source>Scans|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|All Files|*.*</source>
        <translation>Escaneos|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|Todos los archivos|*.*</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="364"/>
        <source>Add a Folder of Scanned Sheets</source>
        <translation>Agregar una carpeta de hojas escaneadas</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="369"/>
        <source>%1 holds no PDF, PNG, JPEG or TIFF file.</source>
        <translation>%1 no contiene ningún archivo PDF, PNG, JPEG ni TIFF.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="465"/>
        <source>Reading... %1 pages read so far.</source>
        <translation>Leyendo... %1 páginas leídas hasta ahora.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="495"/>
        <source>%1 pages read, %2 sheets gradable, %3 to review.</source>
        <translation>%1 páginas leídas, %2 hojas calificables, %3 por revisar.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="578"/>
        <source>No doubtful row is left.</source>
        <translation>No queda ninguna fila dudosa.</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="587"/>
        <source>%1, student number: read as &quot;%2&quot;%3. Type the number written (%4 digits), then Enter. Typed: %5</source>
        <translation>%1, número de estudiante: se leyó «%2»%3. Escriba el número anotado (%4 dígitos) y pulse Intro. Escrito: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="593"/>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="599"/>
        <source>%1, question %2: %3. Type the letters marked (A to %4), then Enter. Chosen: %5</source>
        <translation>%1, pregunta %2: %3. Escriba las letras marcadas (de A a %4) y pulse Intro. Elegidas: %5</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="605"/>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="684"/>
        <source>%1 sheets were graded.<byte value="xd"/></source>
        <translation>Se calificaron %1 hojas.<byte value="xd"/></translation>
    </message>
    <message>
        <location filename="../src/ui/scan/ScanForm.cpp" line="689"/>
        <source>%1 sheets graded; %2 attempts added to the results.</source>
        <translation>%1 hojas calificadas; %2 intentos agregados a los resultados.</translation>
    </message>
</context>
<context>
    <name>TScreenEdit</name>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="10"/>
        <source>Correct Answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="11"/>
        <source>Pass Rule</source>
        <translation>Regla de aprobado</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="12"/>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="18"/>
        <source>Media File</source>
        <translation>Archivo multimedia</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="16"/>
        <source>Hot Link</source>
        <translation>Hipervínculo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/EditorUndo.cpp" line="20"/>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="45"/>
        <source>Invalid time format.  Maximum values are 23:59:59.<byte value="xd"/>Please enter again.</source>
        <translation>Formato de hora no válido.  Los valores máximos son 23:59:59.<byte value="xd"/>Vuelva a escribirlo.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="157"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="163"/>
        <source>Global Test Settings</source>
        <translation>Configuración global de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="176"/>
        <source>Test Description</source>
        <translation>Descripción de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="179"/>
        <source>Settings Page 1</source>
        <translation>Configuración, página 1</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="180"/>
        <source>Settings Page 2</source>
        <translation>Configuración, página 2</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="181"/>
        <source>Test Begin Message</source>
        <translation>Mensaje de inicio de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="182"/>
        <source>Enter anything you would like to tell the student before they begin the test.</source>
        <translation>Escriba lo que desee comunicar al estudiante antes de que comience la prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="185"/>
        <source>Begin Test Message</source>
        <translation>Mensaje al comenzar la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="186"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="190"/>
        <source>Complete Test Message</source>
        <translation>Mensaje al terminar la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="187"/>
        <source>Enter anything you would like to tell the student after they complete the test.</source>
        <translation>Escriba lo que desee comunicar al estudiante después de que termine la prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="191"/>
        <source>Question Bank</source>
        <translation>Banco de preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="223"/>
        <source>Hours : Minutes : Seconds</source>
        <translation>Horas : Minutos : Segundos</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="226"/>
        <source>More time</source>
        <translation>Más tiempo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="227"/>
        <source>Less time</source>
        <translation>Menos tiempo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="230"/>
        <source>Time Allowed (HH:MM:SS)</source>
        <translation>Tiempo (HH:MM:SS)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="234"/>
        <source>E&amp;xtra Time per Student...</source>
        <translation>Tiempo e&amp;xtra por estudiante...</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="246"/>
        <source>Leave blank or set to all zeros if this is not a timed test.</source>
        <translation>Déjelo en blanco o póngalo todo a ceros si la prueba no tiene límite de tiempo.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Show questions in order</source>
        <translation>Mostrar las preguntas en orden</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="251"/>
        <source>Randomize the questions</source>
        <translation>Mostrar las preguntas en orden aleatorio</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="252"/>
        <source>Questions can be presented to the student in the same order they were prepared or they can be presented at random.</source>
        <translation>Las preguntas pueden presentarse al estudiante en el mismo orden en que se prepararon o en orden aleatorio.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Do not allow answer checking</source>
        <translation>No permitir comprobar las respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="257"/>
        <source>Allow answer checking</source>
        <translation>Permitir comprobar las respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="258"/>
        <source>This setting specifies whether or not a student can check answers while the test is being taken.</source>
        <translation>Este ajuste indica si el estudiante puede comprobar las respuestas mientras realiza la prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Can leave answer blank</source>
        <translation>Puede dejar respuestas en blanco</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="262"/>
        <source>Must answer before going to next</source>
        <translation>Debe responder antes de pasar a la siguiente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="263"/>
        <source>You can require the student to answer a question before moving on to the next, or you can let them leave answers blank.</source>
        <translation>Puede exigir que el estudiante responda cada pregunta antes de pasar a la siguiente, o permitirle dejar respuestas en blanco.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="269"/>
        <source>Pass point</source>
        <translation>Nota de aprobado</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="273"/>
        <source>This will inform the student if they have passed or failed the test.  Set to zero if you do not want to report pass/fail.</source>
        <translation>Indica al estudiante si ha aprobado o no la prueba.  Póngalo a cero si no desea dar esa información.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="279"/>
        <source>Allow student to specify maximum questions</source>
        <translation>Permitir que el estudiante indique el número máximo de preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="281"/>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="301"/>
        <source>Maximum Questions</source>
        <translation>Máximo de preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="284"/>
        <source>You can specify that only a subset of all questions are asked.  Set to zero to ask all questions.</source>
        <translation>Puede indicar que solo se planteen algunas de las preguntas.  Póngalo a cero para plantearlas todas.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Test Time</source>
        <translation>Tiempo de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="293"/>
        <source>Answer Checking</source>
        <translation>Comprobación de respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="294"/>
        <source>Pass Point</source>
        <translation>Nota de aprobado</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="299"/>
        <source>Question Ordering</source>
        <translation>Orden de las preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="300"/>
        <source>Answer Requirement</source>
        <translation>Obligación de responder</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="313"/>
        <source>Allow hot links during test.</source>
        <translation>Permitir hipervínculos durante la prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="314"/>
        <source>Show references while taking test.</source>
        <translation>Mostrar referencias durante la prueba.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="315"/>
        <source>Allow hot links during review.</source>
        <translation>Permitir hipervínculos durante la revisión.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="316"/>
        <source>Show references during review.</source>
        <translation>Mostrar referencias durante la revisión.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="318"/>
        <source>While Testing</source>
        <translation>Durante la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="321"/>
        <source>While Reviewing</source>
        <translation>Durante la revisión</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="324"/>
        <source>These settings specify if the student can pop-up hot links and view references while taking the test and while reviewing missed questions.</source>
        <translation>Estos ajustes indican si el estudiante puede abrir hipervínculos y ver referencias mientras realiza la prueba y mientras revisa las preguntas falladas.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Non-Scrolling timers</source>
        <translation>Temporizadores fijos</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Scrolling timers</source>
        <translation>Temporizadores con barra de avance</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="331"/>
        <source>Do not display timers</source>
        <translation>No mostrar temporizadores</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="332"/>
        <source>This setting specifies the timer type to display (both elapsed timer and test timer)</source>
        <translation>Este ajuste indica el tipo de temporizador que se muestra (tanto el del tiempo transcurrido como el de la prueba)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="335"/>
        <source>Do not allow test review</source>
        <translation>No permitir revisar la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="336"/>
        <source>Allow test review</source>
        <translation>Permitir revisar la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="337"/>
        <source>Allow review of skipped questions</source>
        <translation>Permitir revisar las preguntas omitidas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="341"/>
        <source>This setting specifies whether or not the student can review the test after taking it.</source>
        <translation>Este ajuste indica si el estudiante puede revisar la prueba después de realizarla.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="350"/>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="353"/>
        <source>The language of the test&apos;s text picks the spelling dictionary and lays out Arabic and Hebrew right to left.</source>
        <translation>El idioma del texto de la prueba elige el diccionario ortográfico y dispone el árabe y el hebreo de derecha a izquierda.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="358"/>
        <source>Hot Links and References</source>
        <translation>Hipervínculos y referencias</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="359"/>
        <source>Time Display</source>
        <translation>Visualización del tiempo</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="360"/>
        <source>Test Review</source>
        <translation>Revisión de la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="361"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="375"/>
        <source>Note: This entry box is the same size and uses the same font as will be displayed to the student.</source>
        <translation>Nota: Este cuadro de texto tiene el mismo tamaño y usa la misma fuente con que se mostrará al estudiante.</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>Questions asked</source>
        <translation>Preguntas formuladas</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="387"/>
        <source>One of each tag</source>
        <translation>Una de cada etiqueta</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="390"/>
        <source>Questions asked of each category</source>
        <translation>Preguntas formuladas de cada categoría</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/SettingsForm.cpp" line="392"/>
        <source>Each student is asked this many questions of each category (and of the categories under it, such as Mechanics/Forces under Mechanics). Leave it empty to use Maximum Questions.</source>
        <translation>A cada estudiante se le hacen tantas preguntas de cada categoría (y de las categorías que contiene, como Mecánica/Fuerzas dentro de Mecánica). Déjelo vacío para usar el máximo de preguntas.</translation>
    </message>
</context>
<context>
    <name>TTestPrinter</name>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="119"/>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="6"/>
        <source>questions and answers shuffled</source>
        <translation>preguntas y respuestas mezcladas</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="7"/>
        <source>questions shuffled</source>
        <translation>preguntas mezcladas</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="8"/>
        <source>answers shuffled</source>
        <translation>respuestas mezcladas</translation>
    </message>
    <message>
        <location filename="../src/ui/text/ShuffleWords.cpp" line="9"/>
        <source>nothing shuffled</source>
        <translation>sin mezclar</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="220"/>
        <source>Seed %1, %2 versions, %3; the test&apos;s question number in brackets</source>
        <extracomment>The note under an answer key; %3 says what was shuffled (&quot;questions shuffled&quot; and the like).</extracomment>
        <translation>Semilla %1, %2 versiones, %3; entre paréntesis, el número de la pregunta en la prueba</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="205"/>
        <source>choose any that apply</source>
        <translation>elija cualquiera de las que correspondan</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="206"/>
        <source>choose all that apply</source>
        <translation>elija todas las que correspondan</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="213"/>
        <source>any</source>
        <extracomment>Beside a key&apos;s letters: one of them is enough.</extracomment>
        <translation>una</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="215"/>
        <source>all</source>
        <translation>todas</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="228"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="233"/>
        <source>Name: ______________________   Date: ____________   Class: ____________</source>
        <extracomment>The line a student fills in at the top of a test&apos;s first page; keep the blanks.</extracomment>
        <translation>Nombre: ______________________   Fecha: ____________   Grupo: ____________</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="260"/>
        <source>Link: %1</source>
        <translation>Enlace: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="394"/>
        <source>question %1: the picture %2 was not found</source>
        <translation>pregunta %1: no se encontró la imagen %2</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="402"/>
        <source>question %1: the picture %2 cannot be read: %3</source>
        <extracomment>%3 is the reason the image reader gives.</extracomment>
        <translation>pregunta %1: no se puede leer la imagen %2: %3</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="445"/>
        <source>Answer key, version %1</source>
        <translation>Clave de respuestas, versión %1</translation>
    </message>
    <message>
        <location filename="../src/ui/page/TestPrinter.cpp" line="454"/>
        <source>%1: every one of the letters, and no other; %2: one of them is enough, with no wrong letter</source>
        <extracomment>The legend of the marks beside a key&apos;s letters: %1 is the mark &quot;all&quot;, %2 &quot;any&quot;.</extracomment>
        <translation>%1: todas esas letras y ninguna otra; %2: basta con una de ellas, sin ninguna letra incorrecta</translation>
    </message>
</context>
<context>
    <name>TjumpForm</name>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="31"/>
        <location filename="../src/ui/maker/JumpForm.cpp" line="33"/>
        <source>Jump To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="42"/>
        <source>&amp;Jump</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="43"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="55"/>
        <source>Bottom</source>
        <translation>Última</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="56"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="57"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location filename="../src/ui/maker/JumpForm.cpp" line="58"/>
        <source>Top</source>
        <translation>Primera</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <location filename="../src/ui/platform/Version.h" line="15"/>
        <source>Quizwell Maker v1.03.  Made by instructors for instructors; free to use for the tests of your students.</source>
        <extracomment>Keep the program&apos;s name and version number as they are.</extracomment>
        <translation>Quizwell Maker v1.03.  Creado por docentes para docentes; de uso gratuito para las pruebas de sus estudiantes.</translation>
    </message>
</context>
<context>
    <name>WriteOver</name>
    <message>
        <location filename="../src/ui/platform/WriteOver.cpp" line="12"/>
        <source>The test file %1 was changed by another program since it was loaded here.<byte value="xd"/>Write over it? Those changes will be lost.</source>
        <translation>Otro programa modificó el archivo de prueba %1 desde que se cargó aquí.<byte value="xd"/>¿Desea sobrescribirlo? Esos cambios se perderán.</translation>
    </message>
</context>
<context>
    <name>qwtest</name>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="29"/>
        <source>Takes the self-tests made with Quizwell Maker.</source>
        <translation>Realiza las autoevaluaciones creadas con Quizwell Maker.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="33"/>
        <source>Preview the test, recording nothing.</source>
        <translation>Muestra una vista previa de la prueba, sin registrar nada.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="35"/>
        <source>The question a preview starts at.</source>
        <translation>La pregunta en la que empieza la vista previa.</translation>
    </message>
    <message>
        <location filename="../src/programs/qwtest.cpp" line="40"/>
        <source>A test file (.QWT) to take.</source>
        <translation>Un archivo de prueba (.QWT) para realizar.</translation>
    </message>
</context>
<context>
    <name>qwtestm</name>
    <message>
        <location filename="../src/programs/qwtestm.cpp" line="39"/>
        <source>Quizwell Maker - tests in %1</source>
        <extracomment>The main window&apos;s title when the tests are kept in the user&apos;s home; %1 is that folder.</extracomment>
        <translation>Quizwell Maker - pruebas en %1</translation>
    </message>
</context>
</TS>
