<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>Você fez um novo recorde</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Você empatou com o recorde</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>Não foi possível salvar o recorde.</translation>
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
        <translation>Tabuada do %1</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Tabuadas do 1 ao 9</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Recordes</translation>
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
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tabuada</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>Durante uma partida, as teclas 1, 2 e 3 respondem, e a tecla 0 diz a pergunta, as respostas certas e erradas e o tempo</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Mostra o melhor tempo de cada tabuada</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Fecha o jogo</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Como foi a última resposta</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Começa uma rodada com a tabuada escolhida, ou interrompe a que está em andamento</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Escolha uma tabuada e depois aperte Começar</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 vezes %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Certo</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Respostas certas: %1 de %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Erros: %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Errado, tente de novo</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Rodada terminada em %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Mostra quem fez o %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 é grande demais para ser um arquivo de recordes.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>Não foi possível fazer uma cópia de trabalho em %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Outra cópia do jogo manteve %1 travado.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Não foi possível criar o arquivo de trava %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratuito</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Logotipo do criador</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Um clique abre a página do programa na internet</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Escolha a tabuada</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Cada tabuada tem 20 perguntas.
Todas as tabuadas juntas (do 1 ao 9) têm 50 perguntas.

Cada resposta errada soma 1 segundo ao seu tempo.

Escolha a tabuada acima e clique em Começar abaixo.
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
        <translation>Pergunta: </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 de 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Erros:</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Clique na resposta certa</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Começar</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(escolha a tabuada)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>do 1 ao 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Escolha uma tabuada na lista acima e clique em Começar.</translation>
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
