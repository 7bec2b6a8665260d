<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>HighScoreCheck</name>
    <message>
        <location filename="../scores/HighScoreCheck.cpp" line="+25"/>
        <source>Enter Your Name</source>
        <extracomment>Label above the name field of the box that asks the player&apos;s name; wraps</extracomment>
        <translation>Skriv ditt namn</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have created a new High score</source>
        <extracomment>Title of the box that asks the name after a new best time; window title, one line</extracomment>
        <translation>Du har satt nytt rekord</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have equaled with the High score</source>
        <extracomment>Title of the box that asks the name after a time equal to the best one; window title, one line</extracomment>
        <translation>Du har tangerat rekordet</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The high score could not be saved.</source>
        <extracomment>Message box; a line with the reason follows</extracomment>
        <translation>Rekordet kunde inte sparas.</translation>
    </message>
</context>
<context>
    <name>HighScoreListing</name>
    <message>
        <location filename="../scores/HighScoreListing.cpp" line="+35"/>
        <source>%1 - High Scores</source>
        <extracomment>Title of the box listing the best times: %1 is the game&apos;s name</extracomment>
        <translation>%1 - Rekord</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 ( %2 sec )</source>
        <extracomment>An entry of the best times: %1 the player&apos;s name (or names), %2 the seconds</extracomment>
        <translation>%1 (%2 sek)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table %1</source>
        <extracomment>Label of a line of the best times: %1 is 2 to 9; the entries stand in one column after a tab</extracomment>
        <translation>Tabell %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Table 1 to 9</source>
        <extracomment>Label of the last line of the best times: all the tables together; one tab less than the others</extracomment>
        <translation>Tabell 1 till 9</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <location filename="../app/QuizAnnouncer.cpp" line="+86"/>
        <source>%n second</source>
        <extracomment>Spoken time, never shown: the source for exactly 1; give the language&apos;s plural forms</extracomment>
        <translation>
            <numerusform>%n sekund</numerusform>
            <numerusform>%n sekunder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n seconds</source>
        <extracomment>Spoken time, never shown: &quot;12 seconds&quot;; give the language&apos;s plural forms</extracomment>
        <translation>
            <numerusform>%n sekund</numerusform>
            <numerusform>%n sekunder</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Right answers: %1 of %2</source>
        <extracomment>Spoken by the screen reader on key 0, never shown: %1 right answers so far, %2 questions in the quiz</extracomment>
        <translation>Rätt svar: %1 av %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong answers: %1</source>
        <extracomment>Spoken on key 0, never shown: %1 wrong answers so far</extracomment>
        <translation>Fel svar: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time taken: %1</source>
        <extracomment>Spoken on key 0, never shown: %1 is the time, e.g. &quot;12 seconds&quot;</extracomment>
        <translation>Tid: %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Question</source>
        <extracomment>Spoken with the question&apos;s factors by the screen reader, never shown: what the big numbers are</extracomment>
        <translation>Uppgift</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Multiplication table</source>
        <extracomment>Spoken name of the table list, never shown</extracomment>
        <translation>Gångertabell</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How to play</source>
        <extracomment>Spoken name of the how-to text on the start panel, never shown</extracomment>
        <translation>Så här spelar du</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <extracomment>Spoken description of the how-to text, never shown. Keys 1 to 3 are the digits on the keyboard, the same in every language</extracomment>
        <translation>Under en omgång svarar du med tangenterna 1, 2 och 3, och med tangent 0 hör du uppgiften, antalet rätta och felaktiga svar och tiden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shows the best time of each table</source>
        <extracomment>Spoken description of the High Score button, never shown</extracomment>
        <translation>Visar bästa tiden för varje tabell</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shows who made %1</source>
        <extracomment>Spoken description of the About button, never shown; %1 is the game&apos;s name</extracomment>
        <translation>Visar vem som har gjort %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends the game</source>
        <extracomment>Spoken description of the Exit button, never shown: it closes the program</extracomment>
        <translation>Avslutar spelet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How the last answer was</source>
        <extracomment>Spoken description of the small face picture, never shown</extracomment>
        <translation>Hur det senaste svaret gick</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <extracomment>Spoken description of the Start button, never shown</extracomment>
        <translation>Startar en omgång med den valda tabellen, eller stoppar omgången som pågår</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Choose a table, then press Start</source>
        <extracomment>Spoken after the entry of the table list when it gets the focus, never shown</extracomment>
        <translation>Välj en tabell och tryck sedan på Starta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key %1</source>
        <extracomment>Spoken after the question on an answer button, never shown: %1 is the digit key 1, 2 or 3 that gives this answer</extracomment>
        <translation>Tangent %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 times %2</source>
        <extracomment>Spoken question, never shown: %1 times %2, e.g. &quot;7 times 3&quot;</extracomment>
        <translation>%1 gånger %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+25"/>
        <source>Right</source>
        <extracomment>Spoken after a right answer, before the next question; never shown</extracomment>
        <translation>Rätt</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Wrong, try again</source>
        <extracomment>Spoken after a wrong answer, never shown; the question stays</extracomment>
        <translation>Fel, försök igen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Quiz finished in %1</source>
        <extracomment>Spoken at the end of a quiz, never shown: %1 is the time, e.g. &quot;39 seconds&quot;</extracomment>
        <translation>Du klarade omgången på %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <location filename="../platform/RuntimeError.cpp" line="+12"/>
        <source>Overflow</source>
        <extracomment>Name of an error after &quot;Run-time error &apos;6&apos;:&quot;: a number too large</extracomment>
        <translation>Spill</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Out of memory</source>
        <extracomment>Name of an error after &quot;Run-time error &apos;7&apos;:&quot;</extracomment>
        <translation>Slut på minne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Internal error</source>
        <extracomment>Name of an error after &quot;Run-time error &apos;51&apos;:&quot;</extracomment>
        <translation>Internt fel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Application-defined or object-defined error</source>
        <extracomment>Name of an error of any other number</extracomment>
        <translation>Program- eller objektdefinierat fel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>Message box before the program ends: %1 the error&apos;s number, %2 its name</extracomment>
        <translation>Körningsfel &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../scores/SettingsStore.cpp" line="+153"/>
        <source>Cannot make a working copy in %1.</source>
        <extracomment>Reason a best time could not be saved: %1 is the temporary folder</extracomment>
        <translation>Kan inte skapa en arbetskopia i %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot read %1: %2.</source>
        <extracomment>Reason a best time could not be saved: %1 the file, %2 the system&apos;s reason</extracomment>
        <translation>Kan inte läsa %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is too large to be a high-score file.</source>
        <extracomment>Reason a best time could not be saved: %1 is the file</extracomment>
        <translation>%1 är för stor för att vara en rekordfil.</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+21"/>
        <source>Cannot write %1: %2.</source>
        <extracomment>Reason a best time could not be saved: %1 the file, %2 the system&apos;s reason</extracomment>
        <translation>Kan inte skriva till %1: %2.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Another copy of the game kept %1 locked.</source>
        <extracomment>Reason a best time could not be saved: %1 is the file</extracomment>
        <translation>En annan kopia av spelet höll %1 låst.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot create the lock file %1.</source>
        <extracomment>Reason a best time could not be saved: %1 is the lock file</extracomment>
        <translation>Kan inte skapa låsfilen %1.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot create the folder %1.</source>
        <extracomment>Reason a best time could not be saved: %1 is the folder</extracomment>
        <translation>Kan inte skapa mappen %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../about/frmAbout.ui" line="+74"/>
        <source>&amp;Close</source>
        <extracomment>Button that closes the About window; &amp; marks the Alt access key; button 93 px wide</extracomment>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Freeware</source>
        <extracomment>Line under the game&apos;s name in About: the game costs nothing; at most 97 px</extracomment>
        <translation>Gratisprogram</translation>
    </message>
    <message>
        <location filename="../about/frmAbout.cpp" line="+66"/>
        <source>Maker&apos;s logo</source>
        <extracomment>Spoken name of the logo picture in About, never shown</extracomment>
        <translation>Skaparens logotyp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A click opens the product&apos;s web page</source>
        <extracomment>Spoken description of the logo picture in About, never shown</extracomment>
        <translation>Ett klick öppnar produktens webbsida</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>About %1</source>
        <extracomment>Title of the About window: %1 is the name and version, &quot;Tabulon 1.1&quot;</extracomment>
        <translation>Om %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <location filename="../app/frmMultiiplication.ui" line="+42"/>
        <source>Choose Multiplication Table</source>
        <extracomment>Label above the table list on the start panel; one line, at most 138 px</extracomment>
        <translation>Välj gångertabell</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <extracomment>How-to text on the start panel, in a box of 341 x 135 px; it wraps and must fit without a scroll bar. Line breaks are kept</extracomment>
        <translation>Du får 20 uppgifter i varje tabell.
Du får 50 uppgifter i alla tabeller (1 till 9).

För varje fel svar läggs 1 sekund till tiden.

Välj en tabell ovan och klicka på Starta nedan.
</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>Time Taken : </source>
        <extracomment>Caption before the quiz time on the question panel; at most 64 px</extracomment>
        <translation>Tid: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>99 secs</source>
        <extracomment>Quiz time as the design shows it before a quiz first writes it; bold, at most 55 px</extracomment>
        <translation>99 sek</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No of Questions : </source>
        <extracomment>Caption before the count of right answers so far (&quot;3 of 20&quot;); the count starts at 0: say answers right or done, not questions; at most 90 px</extracomment>
        <translation>Rätt svar: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>1 of 20</source>
        <extracomment>Right answers as the design shows them before a quiz first writes them; bold, at most 75 px</extracomment>
        <translation>1 av 20</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Wrong Answers :</source>
        <extracomment>Caption before the count of wrong answers; at most 85 px</extracomment>
        <translation>Fel svar:</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Click on the correct answer</source>
        <extracomment>Line above the question on the question panel; bold, at most 171 px</extracomment>
        <translation>Klicka på rätt svar</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../app/frmMultiiplication.cpp" line="+170"/>
        <source>&amp;Start</source>
        <extracomment>Button that starts a quiz; &amp; marks the Alt access key, which must differ from the other buttons&apos; and not be a digit; button 78 px wide
----------
Same button as in the design, back to Start when the quiz stops; button 78 px wide</extracomment>
        <translation>&amp;Starta</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;High Score</source>
        <extracomment>Button that shows the best times; &amp; marks the Alt access key; button 78 px wide</extracomment>
        <translation>&amp;Rekord</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;About</source>
        <extracomment>Button that opens the About window; &amp; marks the Alt access key; button 78 px wide</extracomment>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Exit</source>
        <extracomment>Button that closes the program; &amp; marks the Alt access key; button 78 px wide</extracomment>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <location filename="../app/frmMultiiplication.cpp" line="-36"/>
        <source>(select table)</source>
        <extracomment>First entry of the table list: nothing chosen yet; list 121 px wide</extracomment>
        <translation>(välj tabell)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 to 9</source>
        <extracomment>Last entry of the table list: all the tables together; list 121 px wide</extracomment>
        <translation>1 till 9</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Select a table from the above list and click start</source>
        <extracomment>Message box when Start is pressed with no table chosen; wraps</extracomment>
        <translation>Välj en tabell i listan ovan och klicka på Starta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Stop</source>
        <extracomment>Start button&apos;s caption while a quiz runs; &amp; marks the Alt access key, which must differ from the other buttons&apos; and not be a digit; button 78 px wide</extracomment>
        <translation>&amp;Stoppa</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>%1 sec</source>
        <extracomment>Quiz time on the question panel, bold, at most 55 px: %1 seconds, up to 32767</extracomment>
        <translation>%1 sek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of %2</source>
        <extracomment>Right answers so far on the question panel, bold, at most 75 px: %1 of %2 questions (20 or 50)</extracomment>
        <translation>%1 av %2</translation>
    </message>
</context>
</TS>
