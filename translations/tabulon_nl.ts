<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>HighScoreListing</name>
    <message>
        <source>%1 ( %2 sec )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have created a new High score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulon - High Scores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
