// The student page's texts in the languages the page speaks besides English.
// The English text is the key; {0}, {1}... stand for what the page puts in.
// The server's sentences (its "error" replies) are listed too, so a student
// reads them in the page's language; a text not listed shows in English.
"use strict";

const TEXTS = {
  de: {
    "Classroom test": "Klassenraum-Test",
    "Type the room code from the board and your name.": "Geben Sie den Raumcode von der Tafel und Ihren Namen ein.",
    "Room code": "Raumcode",
    "Your name": "Ihr Name",
    "Join": "Beitreten",
    "Waiting for the teacher": "Warten auf die Lehrkraft",
    "A test is already running for {0} on another device. The teacher can let this device continue it; or type here the resume code your first device shows.":
      "Für {0} läuft bereits ein Test auf einem anderen Gerät. Die Lehrkraft kann dieses Gerät weitermachen lassen, oder Sie geben hier den Fortsetzungscode ein, den Ihr erstes Gerät zeigt.",
    "Resume code": "Fortsetzungscode",
    "Continue here": "Hier fortsetzen",
    "How many questions (1 to {0})": "Wie viele Fragen (1 bis {0})",
    "Start the test": "Test beginnen",
    "Previous": "Zurück",
    "Check answer": "Antwort prüfen",
    "Next": "Weiter",
    "Finish": "Beenden",
    "Keys: A to F choose an answer, Enter goes on.": "Tasten: A bis F wählen eine Antwort, die Eingabetaste geht weiter.",
    "The review of your answers opens when the teacher ends the test.":
      "Die Durchsicht Ihrer Antworten öffnet sich, wenn die Lehrkraft den Test beendet.",
    "To continue on another device, type this resume code there: {0}":
      "Um auf einem anderen Gerät fortzufahren, geben Sie dort diesen Fortsetzungscode ein: {0}",
    "The teacher's computer cannot be reached. Your answers so far are saved; try again.":
      "Der Computer der Lehrkraft ist nicht erreichbar. Ihre bisherigen Antworten sind gespeichert; versuchen Sie es erneut.",
    "Please join the room.": "Bitte treten Sie dem Raum bei.",
    "The request failed ({0}).": "Die Anfrage ist fehlgeschlagen ({0}).",
    "Question {0} of {1}": "Frage {0} von {1}",
    "Media file: {0}": "Mediendatei: {0}",
    "Read more: {0}": "Mehr dazu: {0}",
    "Right!": "Richtig!",
    "Wrong.": "Falsch.",
    "Picture for question {0}": "Bild zu Frage {0}",
    "You answered {0} of {1} questions right: {2}%.": "Sie haben {0} von {1} Fragen richtig beantwortet: {2} %.",
    "The time ran out.": "Die Zeit ist abgelaufen.",
    "You passed.": "Sie haben bestanden.",
    "You did not pass.": "Sie haben nicht bestanden.",
    "Time taken: {0}.": "Benötigte Zeit: {0}.",
    "Review": "Durchsicht",
    "Question {0}": "Frage {0}",
    "correct": "richtig",
    "your answer": "Ihre Antwort",
    "Not answered.": "Nicht beantwortet.",
    "Time left {0}": "Verbleibende Zeit {0}",
    "5 minutes left.": "Noch 5 Minuten.",
    "1 minute left.": "Noch 1 Minute.",
    "{0} question(s) have no answer and will count as wrong.":
      "{0} Frage(n) sind unbeantwortet und werden als falsch gewertet.",
    "This is question {0} of {1}.": "Dies ist Frage {0} von {1}.",
    "Finish the test now?": "Den Test jetzt beenden?",
    "Please type the room code and your name.": "Bitte geben Sie den Raumcode und Ihren Namen ein.",
    "Please type the resume code your first device shows.":
      "Bitte geben Sie den Fortsetzungscode ein, den Ihr erstes Gerät zeigt.",
    "Please type your name: 1 to 60 letters, digits, blanks or punctuation.":
      "Bitte geben Sie Ihren Namen ein: 1 bis 60 Buchstaben, Ziffern, Leerzeichen oder Satzzeichen.",
    "This room code is not the one on the board.": "Dieser Raumcode ist nicht der an der Tafel.",
    "The room is full.": "Der Raum ist voll.",
    "Many students are joining at once. Please wait a moment and join again.":
      "Viele Schülerinnen und Schüler treten gleichzeitig bei. Bitte warten Sie einen Moment und treten Sie erneut bei.",
    "That resume code is not the one on your first device.": "Dieser Fortsetzungscode ist nicht der Ihres ersten Geräts.",
    "Other devices are waiting for the teacher with this name. Please ask the teacher.":
      "Andere Geräte mit diesem Namen warten auf die Lehrkraft. Bitte fragen Sie die Lehrkraft.",
    "The teacher did not let this device continue the test.": "Die Lehrkraft hat dieses Gerät den Test nicht fortsetzen lassen.",
    "The teacher's computer could not save this. Please try again.":
      "Der Computer der Lehrkraft konnte dies nicht speichern. Bitte versuchen Sie es erneut.",
    "Please join again.": "Bitte treten Sie erneut bei.",
    "The teacher has ended the test.": "Die Lehrkraft hat den Test beendet.",
    "That number of questions cannot be asked.": "So viele Fragen können nicht gestellt werden.",
    "This test has no questions.": "Dieser Test hat keine Fragen.",
    "The test has not started.": "Der Test hat noch nicht begonnen.",
    "The test has ended.": "Der Test ist beendet.",
    "There is no such question.": "Diese Frage gibt es nicht.",
    "That is not the question on the screen.": "Das ist nicht die Frage auf dem Bildschirm.",
    "That is not an answer to this question.": "Das ist keine Antwort auf diese Frage.",
    "This answer was checked and cannot change.": "Diese Antwort wurde geprüft und kann nicht mehr geändert werden.",
    "The teacher's computer could not save this answer. Please try again.":
      "Der Computer der Lehrkraft konnte diese Antwort nicht speichern. Bitte versuchen Sie es erneut.",
    "No question to check now.": "Jetzt ist keine Frage zu prüfen.",
    "This test does not let you check answers.": "In diesem Test können Sie Antworten nicht prüfen.",
    "Choose an answer first.": "Wählen Sie zuerst eine Antwort.",
    "No question to go to now.": "Jetzt gibt es keine Frage, zu der Sie gehen können.",
    "Please answer this question before going on.": "Bitte beantworten Sie diese Frage, bevor Sie weitergehen.",
    "The teacher's computer could not store the result. Please press Finish again.":
      "Der Computer der Lehrkraft konnte das Ergebnis nicht speichern. Bitte drücken Sie erneut auf Beenden.",
    "That is not a number of seconds.": "Das ist keine Anzahl von Sekunden.",
    "The test is not running.": "Der Test läuft nicht.",
  },
  es: {
    "Classroom test": "Prueba en el aula",
    "Type the room code from the board and your name.": "Escriba el código de sala de la pizarra y su nombre.",
    "Room code": "Código de sala",
    "Your name": "Su nombre",
    "Join": "Entrar",
    "Waiting for the teacher": "Esperando al profesor",
    "A test is already running for {0} on another device. The teacher can let this device continue it; or type here the resume code your first device shows.":
      "Ya hay una prueba en curso para {0} en otro dispositivo. El profesor puede dejar que este dispositivo la continúe, o puede escribir aquí el código de reanudación que muestra su primer dispositivo.",
    "Resume code": "Código de reanudación",
    "Continue here": "Continuar aquí",
    "How many questions (1 to {0})": "Cuántas preguntas (de 1 a {0})",
    "Start the test": "Comenzar la prueba",
    "Previous": "Anterior",
    "Check answer": "Comprobar respuesta",
    "Next": "Siguiente",
    "Finish": "Terminar",
    "Keys: A to F choose an answer, Enter goes on.": "Teclas: de la A a la F eligen una respuesta; Intro avanza.",
    "The review of your answers opens when the teacher ends the test.":
      "La revisión de sus respuestas se abrirá cuando el profesor termine la prueba.",
    "To continue on another device, type this resume code there: {0}":
      "Para continuar en otro dispositivo, escriba allí este código de reanudación: {0}",
    "The teacher's computer cannot be reached. Your answers so far are saved; try again.":
      "No se puede conectar con el ordenador del profesor. Sus respuestas hasta ahora están guardadas; inténtelo de nuevo.",
    "Please join the room.": "Entre en la sala, por favor.",
    "The request failed ({0}).": "La solicitud ha fallado ({0}).",
    "Question {0} of {1}": "Pregunta {0} de {1}",
    "Media file: {0}": "Archivo multimedia: {0}",
    "Read more: {0}": "Más información: {0}",
    "Right!": "¡Correcto!",
    "Wrong.": "Incorrecto.",
    "Picture for question {0}": "Imagen de la pregunta {0}",
    "You answered {0} of {1} questions right: {2}%.": "Ha respondido bien {0} de {1} preguntas: {2} %.",
    "The time ran out.": "Se ha agotado el tiempo.",
    "You passed.": "Ha aprobado.",
    "You did not pass.": "No ha aprobado.",
    "Time taken: {0}.": "Tiempo empleado: {0}.",
    "Review": "Revisión",
    "Question {0}": "Pregunta {0}",
    "correct": "correcta",
    "your answer": "su respuesta",
    "Not answered.": "Sin responder.",
    "Time left {0}": "Tiempo restante {0}",
    "5 minutes left.": "Quedan 5 minutos.",
    "1 minute left.": "Queda 1 minuto.",
    "{0} question(s) have no answer and will count as wrong.":
      "{0} pregunta(s) no tienen respuesta y contarán como incorrectas.",
    "This is question {0} of {1}.": "Esta es la pregunta {0} de {1}.",
    "Finish the test now?": "¿Terminar la prueba ahora?",
    "Please type the room code and your name.": "Escriba el código de sala y su nombre, por favor.",
    "Please type the resume code your first device shows.":
      "Escriba el código de reanudación que muestra su primer dispositivo, por favor.",
    "Please type your name: 1 to 60 letters, digits, blanks or punctuation.":
      "Escriba su nombre: de 1 a 60 letras, cifras, espacios o signos de puntuación.",
    "This room code is not the one on the board.": "Este código de sala no es el de la pizarra.",
    "The room is full.": "La sala está llena.",
    "Many students are joining at once. Please wait a moment and join again.":
      "Muchos estudiantes están entrando a la vez. Espere un momento y vuelva a entrar.",
    "That resume code is not the one on your first device.": "Ese código de reanudación no es el de su primer dispositivo.",
    "Other devices are waiting for the teacher with this name. Please ask the teacher.":
      "Otros dispositivos con este nombre están esperando al profesor. Pregunte al profesor, por favor.",
    "The teacher did not let this device continue the test.": "El profesor no ha permitido que este dispositivo continúe la prueba.",
    "The teacher's computer could not save this. Please try again.":
      "El ordenador del profesor no ha podido guardar esto. Inténtelo de nuevo.",
    "Please join again.": "Vuelva a entrar, por favor.",
    "The teacher has ended the test.": "El profesor ha terminado la prueba.",
    "That number of questions cannot be asked.": "No se puede preguntar ese número de preguntas.",
    "This test has no questions.": "Esta prueba no tiene preguntas.",
    "The test has not started.": "La prueba no ha comenzado.",
    "The test has ended.": "La prueba ha terminado.",
    "There is no such question.": "Esa pregunta no existe.",
    "That is not the question on the screen.": "Esa no es la pregunta de la pantalla.",
    "That is not an answer to this question.": "Esa no es una respuesta a esta pregunta.",
    "This answer was checked and cannot change.": "Esta respuesta ya se comprobó y no puede cambiar.",
    "The teacher's computer could not save this answer. Please try again.":
      "El ordenador del profesor no ha podido guardar esta respuesta. Inténtelo de nuevo.",
    "No question to check now.": "Ahora no hay ninguna pregunta que comprobar.",
    "This test does not let you check answers.": "Esta prueba no permite comprobar las respuestas.",
    "Choose an answer first.": "Elija primero una respuesta.",
    "No question to go to now.": "Ahora no hay ninguna pregunta a la que ir.",
    "Please answer this question before going on.": "Responda a esta pregunta antes de continuar, por favor.",
    "The teacher's computer could not store the result. Please press Finish again.":
      "El ordenador del profesor no ha podido guardar el resultado. Pulse Terminar de nuevo.",
    "That is not a number of seconds.": "Eso no es un número de segundos.",
    "The test is not running.": "La prueba no está en curso.",
  },
  pl: {
    "Classroom test": "Test w klasie",
    "Type the room code from the board and your name.": "Wpisz kod sali z tablicy i swoje imię i nazwisko.",
    "Room code": "Kod sali",
    "Your name": "Imię i nazwisko",
    "Join": "Dołącz",
    "Waiting for the teacher": "Oczekiwanie na nauczyciela",
    "A test is already running for {0} on another device. The teacher can let this device continue it; or type here the resume code your first device shows.":
      "Test dla {0} trwa już na innym urządzeniu. Nauczyciel może pozwolić kontynuować go na tym urządzeniu; możesz też wpisać tutaj kod wznowienia widoczny na pierwszym urządzeniu.",
    "Resume code": "Kod wznowienia",
    "Continue here": "Kontynuuj tutaj",
    "How many questions (1 to {0})": "Ile pytań (od 1 do {0})",
    "Start the test": "Rozpocznij test",
    "Previous": "Wstecz",
    "Check answer": "Sprawdź odpowiedź",
    "Next": "Dalej",
    "Finish": "Zakończ",
    "Keys: A to F choose an answer, Enter goes on.": "Klawisze: od A do F wybierają odpowiedź, Enter przechodzi dalej.",
    "The review of your answers opens when the teacher ends the test.":
      "Przegląd odpowiedzi otworzy się, gdy nauczyciel zakończy test.",
    "To continue on another device, type this resume code there: {0}":
      "Aby kontynuować na innym urządzeniu, wpisz tam ten kod wznowienia: {0}",
    "The teacher's computer cannot be reached. Your answers so far are saved; try again.":
      "Nie można połączyć się z komputerem nauczyciela. Dotychczasowe odpowiedzi są zapisane; spróbuj ponownie.",
    "Please join the room.": "Dołącz do sali.",
    "The request failed ({0}).": "Żądanie nie powiodło się ({0}).",
    "Question {0} of {1}": "Pytanie {0} z {1}",
    "Media file: {0}": "Plik multimedialny: {0}",
    "Read more: {0}": "Więcej informacji: {0}",
    "Right!": "Dobrze!",
    "Wrong.": "Źle.",
    "Picture for question {0}": "Obraz do pytania {0}",
    "You answered {0} of {1} questions right: {2}%.": "Poprawne odpowiedzi: {0} z {1} pytań, czyli {2}%.",
    "The time ran out.": "Czas się skończył.",
    "You passed.": "Test zaliczony.",
    "You did not pass.": "Test niezaliczony.",
    "Time taken: {0}.": "Czas rozwiązywania: {0}.",
    "Review": "Przegląd",
    "Question {0}": "Pytanie {0}",
    "correct": "poprawna",
    "your answer": "twoja odpowiedź",
    "Not answered.": "Bez odpowiedzi.",
    "Time left {0}": "Pozostały czas {0}",
    "5 minutes left.": "Zostało 5 minut.",
    "1 minute left.": "Została 1 minuta.",
    "{0} question(s) have no answer and will count as wrong.":
      "Pytania bez odpowiedzi: {0}. Zostaną policzone jako błędne.",
    "This is question {0} of {1}.": "To jest pytanie {0} z {1}.",
    "Finish the test now?": "Zakończyć test teraz?",
    "Please type the room code and your name.": "Wpisz kod sali i swoje imię i nazwisko.",
    "Please type the resume code your first device shows.": "Wpisz kod wznowienia widoczny na pierwszym urządzeniu.",
    "Please type your name: 1 to 60 letters, digits, blanks or punctuation.":
      "Wpisz imię i nazwisko: od 1 do 60 liter, cyfr, spacji lub znaków interpunkcyjnych.",
    "This room code is not the one on the board.": "To nie jest kod sali z tablicy.",
    "The room is full.": "Sala jest pełna.",
    "Many students are joining at once. Please wait a moment and join again.":
      "Wielu uczniów dołącza jednocześnie. Poczekaj chwilę i dołącz ponownie.",
    "That resume code is not the one on your first device.": "To nie jest kod wznowienia z pierwszego urządzenia.",
    "Other devices are waiting for the teacher with this name. Please ask the teacher.":
      "Inne urządzenia z tym imieniem i nazwiskiem czekają na nauczyciela. Zapytaj nauczyciela.",
    "The teacher did not let this device continue the test.": "Nauczyciel nie pozwolił kontynuować testu na tym urządzeniu.",
    "The teacher's computer could not save this. Please try again.":
      "Komputer nauczyciela nie mógł tego zapisać. Spróbuj ponownie.",
    "Please join again.": "Dołącz ponownie.",
    "The teacher has ended the test.": "Nauczyciel zakończył test.",
    "That number of questions cannot be asked.": "Nie można zadać takiej liczby pytań.",
    "This test has no questions.": "Ten test nie ma pytań.",
    "The test has not started.": "Test się nie rozpoczął.",
    "The test has ended.": "Test się zakończył.",
    "There is no such question.": "Nie ma takiego pytania.",
    "That is not the question on the screen.": "To nie jest pytanie widoczne na ekranie.",
    "That is not an answer to this question.": "To nie jest odpowiedź na to pytanie.",
    "This answer was checked and cannot change.": "Ta odpowiedź została sprawdzona i nie można jej zmienić.",
    "The teacher's computer could not save this answer. Please try again.":
      "Komputer nauczyciela nie mógł zapisać tej odpowiedzi. Spróbuj ponownie.",
    "No question to check now.": "Teraz nie ma pytania do sprawdzenia.",
    "This test does not let you check answers.": "Ten test nie pozwala sprawdzać odpowiedzi.",
    "Choose an answer first.": "Najpierw wybierz odpowiedź.",
    "No question to go to now.": "Teraz nie ma pytania, do którego można przejść.",
    "Please answer this question before going on.": "Odpowiedz na to pytanie, zanim przejdziesz dalej.",
    "The teacher's computer could not store the result. Please press Finish again.":
      "Komputer nauczyciela nie mógł zapisać wyniku. Naciśnij ponownie Zakończ.",
    "That is not a number of seconds.": "To nie jest liczba sekund.",
    "The test is not running.": "Test nie trwa.",
  },
  ar: {
    "Classroom test": "اختبار الصف",
    "Type the room code from the board and your name.": "اكتب رمز الغرفة المكتوب على السبورة واسمك.",
    "Room code": "رمز الغرفة",
    "Your name": "اسمك",
    "Join": "انضمام",
    "Waiting for the teacher": "في انتظار المعلم",
    "A test is already running for {0} on another device. The teacher can let this device continue it; or type here the resume code your first device shows.":
      "يجري اختبار باسم {0} على جهاز آخر. يمكن للمعلم أن يسمح لهذا الجهاز بمتابعته، أو اكتب هنا رمز المتابعة الظاهر على جهازك الأول.",
    "Resume code": "رمز المتابعة",
    "Continue here": "المتابعة هنا",
    "How many questions (1 to {0})": "عدد الأسئلة (من 1 إلى {0})",
    "Start the test": "بدء الاختبار",
    "Previous": "السابق",
    "Check answer": "التحقق من الإجابة",
    "Next": "التالي",
    "Finish": "إنهاء",
    "Keys: A to F choose an answer, Enter goes on.": "المفاتيح: من A إلى F لاختيار إجابة، وEnter للمتابعة.",
    "The review of your answers opens when the teacher ends the test.": "تُفتح مراجعة إجاباتك عندما ينهي المعلم الاختبار.",
    "To continue on another device, type this resume code there: {0}":
      "للمتابعة على جهاز آخر، اكتب رمز المتابعة هذا هناك: {0}",
    "The teacher's computer cannot be reached. Your answers so far are saved; try again.":
      "تعذر الوصول إلى حاسوب المعلم. إجاباتك حتى الآن محفوظة؛ حاول مرة أخرى.",
    "Please join the room.": "يرجى الانضمام إلى الغرفة.",
    "The request failed ({0}).": "فشل الطلب ({0}).",
    "Question {0} of {1}": "السؤال {0} من {1}",
    "Media file: {0}": "ملف الوسائط: {0}",
    "Read more: {0}": "اقرأ المزيد: {0}",
    "Right!": "صحيح!",
    "Wrong.": "خطأ.",
    "Picture for question {0}": "صورة السؤال {0}",
    "You answered {0} of {1} questions right: {2}%.": "أجبت إجابة صحيحة عن {0} من {1} من الأسئلة: {2}%.",
    "The time ran out.": "انتهى الوقت.",
    "You passed.": "لقد نجحت.",
    "You did not pass.": "لم تنجح.",
    "Time taken: {0}.": "الوقت المستغرق: {0}.",
    "Review": "المراجعة",
    "Question {0}": "السؤال {0}",
    "correct": "صحيحة",
    "your answer": "إجابتك",
    "Not answered.": "لم تتم الإجابة.",
    "Time left {0}": "الوقت المتبقي {0}",
    "5 minutes left.": "بقيت 5 دقائق.",
    "1 minute left.": "بقيت دقيقة واحدة.",
    "{0} question(s) have no answer and will count as wrong.": "عدد الأسئلة بلا إجابة: {0}، وستُحسب خاطئة.",
    "This is question {0} of {1}.": "هذا هو السؤال {0} من {1}.",
    "Finish the test now?": "هل تريد إنهاء الاختبار الآن؟",
    "Please type the room code and your name.": "يرجى كتابة رمز الغرفة واسمك.",
    "Please type the resume code your first device shows.": "يرجى كتابة رمز المتابعة الظاهر على جهازك الأول.",
    "Please type your name: 1 to 60 letters, digits, blanks or punctuation.":
      "يرجى كتابة اسمك: من 1 إلى 60 حرفًا أو رقمًا أو مسافة أو علامة ترقيم.",
    "This room code is not the one on the board.": "رمز الغرفة هذا ليس الرمز المكتوب على السبورة.",
    "The room is full.": "الغرفة ممتلئة.",
    "Many students are joining at once. Please wait a moment and join again.":
      "ينضم طلاب كثيرون في الوقت نفسه. يرجى الانتظار لحظة ثم الانضمام مرة أخرى.",
    "That resume code is not the one on your first device.": "رمز المتابعة هذا ليس رمز جهازك الأول.",
    "Other devices are waiting for the teacher with this name. Please ask the teacher.":
      "هناك أجهزة أخرى بهذا الاسم تنتظر المعلم. يرجى سؤال المعلم.",
    "The teacher did not let this device continue the test.": "لم يسمح المعلم لهذا الجهاز بمتابعة الاختبار.",
    "The teacher's computer could not save this. Please try again.": "تعذر على حاسوب المعلم حفظ هذا. يرجى المحاولة مرة أخرى.",
    "Please join again.": "يرجى الانضمام مرة أخرى.",
    "The teacher has ended the test.": "أنهى المعلم الاختبار.",
    "That number of questions cannot be asked.": "لا يمكن طرح هذا العدد من الأسئلة.",
    "This test has no questions.": "لا يحتوي هذا الاختبار على أسئلة.",
    "The test has not started.": "لم يبدأ الاختبار.",
    "The test has ended.": "انتهى الاختبار.",
    "There is no such question.": "لا يوجد سؤال كهذا.",
    "That is not the question on the screen.": "هذا ليس السؤال الظاهر على الشاشة.",
    "That is not an answer to this question.": "هذه ليست إجابة عن هذا السؤال.",
    "This answer was checked and cannot change.": "تم التحقق من هذه الإجابة ولا يمكن تغييرها.",
    "The teacher's computer could not save this answer. Please try again.":
      "تعذر على حاسوب المعلم حفظ هذه الإجابة. يرجى المحاولة مرة أخرى.",
    "No question to check now.": "لا يوجد سؤال للتحقق منه الآن.",
    "This test does not let you check answers.": "لا يسمح هذا الاختبار بالتحقق من الإجابات.",
    "Choose an answer first.": "اختر إجابة أولًا.",
    "No question to go to now.": "لا يوجد سؤال للانتقال إليه الآن.",
    "Please answer this question before going on.": "يرجى الإجابة عن هذا السؤال قبل المتابعة.",
    "The teacher's computer could not store the result. Please press Finish again.":
      "تعذر على حاسوب المعلم تخزين النتيجة. يرجى الضغط على إنهاء مرة أخرى.",
    "That is not a number of seconds.": "هذا ليس عددًا من الثواني.",
    "The test is not running.": "الاختبار لا يجري الآن.",
  },
};

// Languages written right to left, by their primary subtag.
const RIGHT_TO_LEFT = new Set(["ar", "he", "fa", "ur", "yi", "ps", "dv", "ckb"]);

let pageLanguage = "en";

// The page speaks the test's language when the test names one it knows,
// otherwise the first of the browser's languages it knows, otherwise English.
function chooseLanguage(testLanguage) {
  const wanted = [testLanguage, ...(navigator.languages || [navigator.language])].filter(Boolean);
  pageLanguage = "en";
  for (const tag of wanted) {
    const primary = tag.toLowerCase().split(/[-_]/)[0];
    if (primary === "en" || TEXTS[primary]) { pageLanguage = primary; break; }
  }
  return pageLanguage;
}

// The test's own text runs in the test's direction, whatever the page speaks.
function directionOf(tag) {
  return RIGHT_TO_LEFT.has(String(tag || "").toLowerCase().split(/[-_]/)[0]) ? "rtl" : "ltr";
}

// The text in the page's language, with {0}, {1}... filled in.
function t(english, ...values) {
  const own = (TEXTS[pageLanguage] || {})[english] || english;
  return own.replace(/\{(\d)\}/g, (whole, n) => (values[n] === undefined ? whole : String(values[n])));
}

// Fills node with the translated text, putting the given nodes where {0},
// {1}... stand, so markup around a name keeps its place in any word order.
function fill(node, english, ...nodes) {
  const parts = t(english).split(/\{(\d)\}/);
  node.replaceChildren(...parts.map((part, i) => (i % 2 ? nodes[Number(part)] : document.createTextNode(part))));
}
