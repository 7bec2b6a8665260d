<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>Has conseguido un nuevo récord</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Has igualado el récord</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>No se ha podido guardar el récord.</translation>
    </message>
</context>
<context>
    <name>HighScoreListing</name>
    <message>
        <source>%1 ( %2 sec )</source>
        <translation>%1 ( %2 s )</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>Tabla del %1</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Todas las tablas del 1 al 9</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Récords</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tabla de multiplicar</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>Durante una partida, las teclas 1, 2 y 3 responden, y la tecla 0 dice la pregunta, las respuestas correctas e incorrectas y el tiempo</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Muestra el mejor tiempo de cada tabla</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Cierra el juego</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Cómo fue la última respuesta</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Empieza una partida con la tabla elegida, o detiene la que está en marcha</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Elige una tabla y luego pulsa Empezar</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Respuestas correctas: %1 de %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Errores: %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Incorrecto, inténtalo otra vez</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Partida terminada en %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Muestra quién hizo %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 es demasiado grande para ser un archivo de récords.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>No se puede hacer una copia de trabajo en %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Otra copia del juego mantuvo %1 bloqueado.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>No se puede crear el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratuito</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Logotipo del creador</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Un clic abre la página web del programa</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Elige una tabla</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Cada tabla tiene 20 preguntas.
Todas las tablas juntas (del 1 al 9) tienen 50 preguntas.

Cada respuesta incorrecta suma 1 segundo a tu tiempo.

Elige una tabla arriba y pulsa el botón Empezar de abajo.
</translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation>Tiempo: </translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation>99 s</translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation>Pregunta: </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 de 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Errores:</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Pulsa la respuesta correcta</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(elige una tabla)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>del 1 al 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Elige una tabla de la lista de arriba y pulsa Empezar.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
</TS>
