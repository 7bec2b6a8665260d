<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>Hai fatto un nuovo record</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Hai eguagliato il record</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Scrivi il tuo nome</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>Non è stato possibile salvare il record.</translation>
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
        <translation>Tabellina del %1</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Tutte le tabelline da 1 a 9</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Record</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tabellina</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>Durante una partita, i tasti 1, 2 e 3 rispondono, e il tasto 0 dice la domanda, le risposte giuste e sbagliate e il tempo</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Mostra il tempo migliore di ogni tabellina</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Chiude il gioco</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Com&apos;è andata l&apos;ultima risposta</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Avvia una partita con la tabellina scelta, o ferma quella in corso</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Scegli una tabellina, poi premi Inizia</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Risposte giuste: %1 di %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Errori: %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Sbagliato, riprova</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Partita finita in %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Mostra chi ha creato %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall&apos;applicazione o dall&apos;oggetto</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Errore di esecuzione &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 è troppo grande per essere un file dei record.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>Impossibile fare una copia di lavoro in %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Un&apos;altra copia del gioco ha tenuto bloccato %1.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Impossibile creare il file di blocco %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratuito</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Logo dell&apos;autore</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Un clic apre la pagina web del programma</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Scegli la tabellina</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Per ogni tabellina ci sono 20 domande.
Per tutte le tabelline (da 1 a 9) ci sono 50 domande.

Ogni risposta sbagliata aggiunge 1 secondo al tuo tempo.

Scegli la tabellina qui sopra e clicca su Inizia qui sotto.
</translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation>Tempo: </translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation>99 s</translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation>Domanda: </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 di 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Errori:</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Clicca sulla risposta giusta</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(scegli la tabellina)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>da 1 a 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Scegli una tabellina dall&apos;elenco qui sopra e clicca su Inizia.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
</TS>
