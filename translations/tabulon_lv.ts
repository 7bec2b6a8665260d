<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>HighScoreCheck</name>
    <message>
        <location filename="../scores/HighScoreCheck.cpp" line="+25"/>
        <source>Enter Your Name</source>
        <extracomment>Label above the name field of the box that asks the player&apos;s name; wraps</extracomment>
        <translation>Ieraksti savu vārdu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have created a new High score</source>
        <extracomment>Title of the box that asks the name after a new best time; window title, one line</extracomment>
        <translation>Tu uzstādīji jaunu rekordu!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have equaled with the High score</source>
        <extracomment>Title of the box that asks the name after a time equal to the best one; window title, one line</extracomment>
        <translation>Tu atkārtoji rekordu!</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The high score could not be saved.</source>
        <extracomment>Message box; a line with the reason follows</extracomment>
        <translation>Rekordu neizdevās saglabāt.</translation>
    </message>
</context>
<context>
    <name>HighScoreListing</name>
    <message>
        <location filename="../scores/HighScoreListing.cpp" line="+35"/>
        <source>%1 - High Scores</source>
        <extracomment>Title of the box listing the best times: %1 is the game&apos;s name</extracomment>
        <translation>%1 - rekordi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 ( %2 sec )</source>
        <extracomment>An entry of the best times: %1 the player&apos;s name (or names), %2 the seconds</extracomment>
        <translation>%1 ( %2 s )</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table %1</source>
        <extracomment>Label of a line of the best times: %1 is 2 to 9; the entries stand in one column after a tab</extracomment>
        <translation>Tabula %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Table 1 to 9</source>
        <extracomment>Label of the last line of the best times: all the tables together; one tab less than the others</extracomment>
        <translation>Tabulas no 1 līdz 9</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <location filename="../app/QuizAnnouncer.cpp" line="+86"/>
        <source>%n second</source>
        <extracomment>Spoken time, never shown: the source for exactly 1; give the language&apos;s plural forms</extracomment>
        <translation>
            <numerusform>%n sekunde</numerusform>
            <numerusform>%n sekundes</numerusform>
            <numerusform>%n sekunžu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n seconds</source>
        <extracomment>Spoken time, never shown: &quot;12 seconds&quot;; give the language&apos;s plural forms</extracomment>
        <translation>
            <numerusform>%n sekunde</numerusform>
            <numerusform>%n sekundes</numerusform>
            <numerusform>%n sekunžu</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Right answers: %1 of %2</source>
        <extracomment>Spoken by the screen reader on key 0, never shown: %1 right answers so far, %2 questions in the quiz</extracomment>
        <translation>Pareizas atbildes: %1 no %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong answers: %1</source>
        <extracomment>Spoken on key 0, never shown: %1 wrong answers so far</extracomment>
        <translation>Nepareizas atbildes: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time taken: %1</source>
        <extracomment>Spoken on key 0, never shown: %1 is the time, e.g. &quot;12 seconds&quot;</extracomment>
        <translation>Laiks: %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Question</source>
        <extracomment>Spoken with the question&apos;s factors by the screen reader, never shown: what the big numbers are</extracomment>
        <translation>Uzdevums</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Multiplication table</source>
        <extracomment>Spoken name of the table list, never shown</extracomment>
        <translation>Reizināšanas tabula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How to play</source>
        <extracomment>Spoken name of the how-to text on the start panel, never shown</extracomment>
        <translation>Kā spēlēt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <extracomment>Spoken description of the how-to text, never shown. Keys 1 to 3 are the digits on the keyboard, the same in every language</extracomment>
        <translation>Kārtas laikā atbildi ar taustiņiem 1, 2 un 3, bet taustiņš 0 pasaka uzdevumu, pareizo un nepareizo atbilžu skaitu un laiku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shows the best time of each table</source>
        <extracomment>Spoken description of the High Score button, never shown</extracomment>
        <translation>Parāda katras tabulas labāko laiku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shows who made %1</source>
        <extracomment>Spoken description of the About button, never shown; %1 is the game&apos;s name</extracomment>
        <translation>Parāda, kas izveidoja %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends the game</source>
        <extracomment>Spoken description of the Exit button, never shown: it closes the program</extracomment>
        <translation>Aizver spēli</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How the last answer was</source>
        <extracomment>Spoken description of the small face picture, never shown</extracomment>
        <translation>Kāda bija pēdējā atbilde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <extracomment>Spoken description of the Start button, never shown</extracomment>
        <translation>Sāk kārtu ar izvēlēto tabulu vai aptur pašreizējo kārtu</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Choose a table, then press Start</source>
        <extracomment>Spoken after the entry of the table list when it gets the focus, never shown</extracomment>
        <translation>Izvēlies tabulu un nospied „Sākt”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key %1</source>
        <extracomment>Spoken after the question on an answer button, never shown: %1 is the digit key 1, 2 or 3 that gives this answer</extracomment>
        <translation>Taustiņš %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 times %2</source>
        <extracomment>Spoken question, never shown: %1 times %2, e.g. &quot;7 times 3&quot;</extracomment>
        <translation>%1 reiz %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+25"/>
        <source>Right</source>
        <extracomment>Spoken after a right answer, before the next question; never shown</extracomment>
        <translation>Pareizi</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Wrong, try again</source>
        <extracomment>Spoken after a wrong answer, never shown; the question stays</extracomment>
        <translation>Nepareizi, mēģini vēlreiz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Quiz finished in %1</source>
        <extracomment>Spoken at the end of a quiz, never shown: %1 is the time, e.g. &quot;39 seconds&quot;</extracomment>
        <translation>Kārta pabeigta. Laiks: %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <location filename="../platform/RuntimeError.cpp" line="+12"/>
        <source>Overflow</source>
        <extracomment>Name of an error after &quot;Run-time error &apos;6&apos;:&quot;: a number too large</extracomment>
        <translation>Pārpilde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Out of memory</source>
        <extracomment>Name of an error after &quot;Run-time error &apos;7&apos;:&quot;</extracomment>
        <translation>Nepietiek atmiņas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Internal error</source>
        <extracomment>Name of an error after &quot;Run-time error &apos;51&apos;:&quot;</extracomment>
        <translation>Iekšēja kļūda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Application-defined or object-defined error</source>
        <extracomment>Name of an error of any other number</extracomment>
        <translation>Lietotnes vai objekta definēta kļūda</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>Message box before the program ends: %1 the error&apos;s number, %2 its name</extracomment>
        <translation>Izpildes kļūda &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../scores/SettingsStore.cpp" line="+153"/>
        <source>Cannot make a working copy in %1.</source>
        <extracomment>Reason a best time could not be saved: %1 is the temporary folder</extracomment>
        <translation>Nevar izveidot darba kopiju mapē %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot read %1: %2.</source>
        <extracomment>Reason a best time could not be saved: %1 the file, %2 the system&apos;s reason</extracomment>
        <translation>Nevar nolasīt %1: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is too large to be a high-score file.</source>
        <extracomment>Reason a best time could not be saved: %1 is the file</extracomment>
        <translation>%1 ir par lielu, lai būtu rekordu fails.</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+21"/>
        <source>Cannot write %1: %2.</source>
        <extracomment>Reason a best time could not be saved: %1 the file, %2 the system&apos;s reason</extracomment>
        <translation>Nevar ierakstīt %1: %2.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Another copy of the game kept %1 locked.</source>
        <extracomment>Reason a best time could not be saved: %1 is the file</extracomment>
        <translation>Cita spēles kopija turēja %1 bloķētu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot create the lock file %1.</source>
        <extracomment>Reason a best time could not be saved: %1 is the lock file</extracomment>
        <translation>Nevar izveidot bloķēšanas failu %1.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot create the folder %1.</source>
        <extracomment>Reason a best time could not be saved: %1 is the folder</extracomment>
        <translation>Nevar izveidot mapi %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../about/frmAbout.ui" line="+74"/>
        <source>&amp;Close</source>
        <extracomment>Button that closes the About window; &amp; marks the Alt access key; button 93 px wide</extracomment>
        <translation>&amp;Aizvērt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Freeware</source>
        <extracomment>Line under the game&apos;s name in About: the game costs nothing; at most 97 px</extracomment>
        <translation>Bezmaksas spēle</translation>
    </message>
    <message>
        <location filename="../about/frmAbout.cpp" line="+66"/>
        <source>Maker&apos;s logo</source>
        <extracomment>Spoken name of the logo picture in About, never shown</extracomment>
        <translation>Veidotāja logotips</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A click opens the product&apos;s web page</source>
        <extracomment>Spoken description of the logo picture in About, never shown</extracomment>
        <translation>Klikšķis atver spēles tīmekļa lapu</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>About %1</source>
        <extracomment>Title of the About window: %1 is the name and version, &quot;Tabulon 1.1&quot;</extracomment>
        <translation>Par %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <location filename="../app/frmMultiiplication.ui" line="+42"/>
        <source>Choose Multiplication Table</source>
        <extracomment>Label above the table list on the start panel; one line, at most 138 px</extracomment>
        <translation>Izvēlies reizināšanas tabulu</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <extracomment>How-to text on the start panel, in a box of 341 x 135 px; it wraps and must fit without a scroll bar. Line breaks are kept</extracomment>
        <translation>Katrai tabulai tiek uzdoti 20 uzdevumi.
Visām tabulām kopā (no 1 līdz 9) tiek uzdoti 50 uzdevumi.

Par katru nepareizu atbildi laikam pieskaita 1 sekundi.

Augšā izvēlies tabulu un apakšā noklikšķini uz pogas „Sākt”.
</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>Time Taken : </source>
        <extracomment>Caption before the quiz time on the question panel; at most 64 px</extracomment>
        <translation>Laiks: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>99 secs</source>
        <extracomment>Quiz time as the design shows it before a quiz first writes it; bold, at most 55 px</extracomment>
        <translation>99 s</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No of Questions : </source>
        <extracomment>Caption before the count of right answers so far (&quot;3 of 20&quot;); the count starts at 0: say answers right or done, not questions; at most 90 px</extracomment>
        <translation>Pareizi: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>1 of 20</source>
        <extracomment>Right answers as the design shows them before a quiz first writes them; bold, at most 75 px</extracomment>
        <translation>1 no 20</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Wrong Answers :</source>
        <extracomment>Caption before the count of wrong answers; at most 85 px</extracomment>
        <translation>Nepareizi:</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Click on the correct answer</source>
        <extracomment>Line above the question on the question panel; bold, at most 171 px</extracomment>
        <translation>Noklikšķini uz pareizās atbildes</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../app/frmMultiiplication.cpp" line="+170"/>
        <source>&amp;Start</source>
        <extracomment>Button that starts a quiz; &amp; marks the Alt access key, which must differ from the other buttons&apos; and not be a digit; button 78 px wide
----------
Same button as in the design, back to Start when the quiz stops; button 78 px wide</extracomment>
        <translation>&amp;Sākt</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;High Score</source>
        <extracomment>Button that shows the best times; &amp; marks the Alt access key; button 78 px wide</extracomment>
        <translation>&amp;Rekordi</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;About</source>
        <extracomment>Button that opens the About window; &amp; marks the Alt access key; button 78 px wide</extracomment>
        <translation>&amp;Par spēli</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Exit</source>
        <extracomment>Button that closes the program; &amp; marks the Alt access key; button 78 px wide</extracomment>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <location filename="../app/frmMultiiplication.cpp" line="-36"/>
        <source>(select table)</source>
        <extracomment>First entry of the table list: nothing chosen yet; list 121 px wide</extracomment>
        <translation>(izvēlies tabulu)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 to 9</source>
        <extracomment>Last entry of the table list: all the tables together; list 121 px wide</extracomment>
        <translation>no 1 līdz 9</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Select a table from the above list and click start</source>
        <extracomment>Message box when Start is pressed with no table chosen; wraps</extracomment>
        <translation>Izvēlies tabulu no saraksta augšā un noklikšķini uz „Sākt”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Stop</source>
        <extracomment>Start button&apos;s caption while a quiz runs; &amp; marks the Alt access key, which must differ from the other buttons&apos; and not be a digit; button 78 px wide</extracomment>
        <translation>&amp;Apturēt</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>%1 sec</source>
        <extracomment>Quiz time on the question panel, bold, at most 55 px: %1 seconds, up to 32767</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of %2</source>
        <extracomment>Right answers so far on the question panel, bold, at most 75 px: %1 of %2 questions (20 or 50)</extracomment>
        <translation>%1 no %2</translation>
    </message>
</context>
</TS>
