<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>Tu as établi un nouveau record</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Tu as égalé le record</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Écris ton nom</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>Le record n&apos;a pas pu être enregistré.</translation>
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
        <translation>Table de %1</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Toutes les tables (1 à 9)</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Records</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Table de multiplication</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>Pendant une partie, les touches 1, 2 et 3 répondent, et la touche 0 dit la question, les bonnes et les mauvaises réponses et le temps</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Montre le meilleur temps de chaque table</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Quitte le jeu</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Comment était la dernière réponse</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Lance une partie avec la table choisie, ou arrête celle en cours</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Choisis une table, puis appuie sur Démarrer</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Bonnes réponses : %1 sur %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Erreurs : %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Faux, essaie encore</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Partie terminée en %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Montre qui a créé %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos; :

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 est trop gros pour être un fichier de records.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>Impossible de faire une copie de travail dans %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Une autre copie du jeu a gardé %1 verrouillé.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Impossible de créer le fichier de verrou %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratuit</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Logo du créateur</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Un clic ouvre la page web du logiciel</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Choisis une table</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Pour chaque table, tu auras 20 questions.
Pour toutes les tables (1 à 9), tu auras 50 questions.

Chaque mauvaise réponse ajoute 1 seconde à ton temps.

Choisis une table en haut, puis clique sur Démarrer en bas.
</translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation>Temps : </translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation>99 s</translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation>Question : </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 sur 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Erreurs :</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Clique sur la bonne réponse</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(choisis une table)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 à 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Choisis une table dans la liste en haut, puis clique sur Démarrer.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
</TS>
