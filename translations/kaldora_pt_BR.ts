<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>O jogo acabou.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Uma pedra preta não pode ser movida.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Nada para pegar aqui.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Casa pega: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Casa devolvida: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Borda do tabuleiro.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>linha %1, colunas %2 a %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>coluna %1, linhas %2 a %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>da %1 à %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Novas casas: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Cor estourada: %1, %n casa.</numerusform>
            <numerusform>Cor estourada: %1, %n casas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Fileira dissolvida: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n ponto, pontuação %1.</numerusform>
            <numerusform>%n pontos, pontuação %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>linhas %1 a %2, colunas %3 a %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Quadrado dissolvido: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Casa movida para a %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Nada foi movido: a casa na %1 está ocupada.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Nada foi movido.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Pedra preta na %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Fim do jogo, pontuação %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Pausar e depois Iniciar começa um novo jogo.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Acontecimentos do jogo</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>curinga</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>estourada</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>pedra preta</translation>
    </message>
    <message>
        <source>free</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;usar</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Desligar som</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Cor de fundo</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Como &amp;jogar</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>I&amp;nformações</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Mostrar recordes</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Limpar &amp;recordes</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Há um jogo em andamento; Pausar o abandona e traz Iniciar de volta.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Jogo abandonado, pontuação %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Ligar som</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Desli&amp;gar som</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Som ligado.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Som desligado.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Quem fez tantos pontos?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Deseja mesmo limpar os recordes?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Recordes</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 ponto</numerusform>
            <numerusform>%1, %2 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a row&apos;s text, then its name or date</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>
     The aim of the game is to obtain as many points as possible.
     Points are realized by draging&amp;droping of squares in order to build rows and
quads of squares of the same color. Only colored squares are moveable. It is
allowed to jump over colored squares. The colored rows consist of five squares
placed horizontally, vertically or diagonally. The quads consist of three times three
squares.
     Three squares are filled at the start of the game and after every unsuccessful
move three additional ones are added.
     Creating a row or a quad causes its dissolution and you receive four resp.
seventeen points.
     The game is over when all squares are colored.
     If a quad is created and has dissolved all squares of a randomly
determined color are also dissolved immediately in addition to the seventeen
points credited.
     Moreover all squares of a randomly determined color are dissolved
occasionally (without having created a row or a quad).
     Conversely squares are irreparably filled with a blackstone now and then.
     You can use the multicolored squares as you like (they are jokers).


     The little tree on the right is of no significance to the game. The tree grows
each time afresh whenever a row or a quad is realized and dissolves.
In each case it is a new tree that never existed before. No player will see the
same tree twice because there is no end to it...

     Have a good time!</source>
        <translation>
     O objetivo do jogo é conseguir o maior número possível de pontos.
     Os pontos são obtidos arrastando e soltando casas para formar fileiras e
quadrados de casas da mesma cor. Só as casas coloridas podem ser movidas, e
elas podem pular por cima de outras casas coloridas. As fileiras têm cinco
casas na horizontal, na vertical ou na diagonal; os quadrados, três por três
casas.
     No início do jogo, três casas são preenchidas, e após cada jogada sem sucesso
mais três são acrescentadas.
     Ao completar uma fileira ou um quadrado, ele se dissolve e você recebe quatro
ou dezessete pontos, conforme o caso.
     O jogo termina quando todas as casas estão ocupadas.
     Quando um quadrado se forma e se dissolve, além dos dezessete pontos
ganhos, todas as casas de uma cor sorteada também se dissolvem na mesma
hora.
     Além disso, de vez em quando todas as casas de uma cor sorteada se dissolvem
(sem que uma fileira ou um quadrado tenha sido formado).
     Por outro lado, às vezes uma casa é ocupada para sempre por uma pedra preta.
     As casas multicoloridas podem ser usadas como você quiser (são curingas).


     A pequena árvore à direita não tem importância para o jogo. Ela volta a
crescer sempre que uma fileira ou um quadrado se forma e se dissolve.
A cada vez é uma árvore nova, que nunca existiu antes. Nenhum jogador verá a
mesma árvore duas vezes, porque ela não tem fim...

     Divirta-se!</translation>
    </message>
    <message>
        <source>



                                                                      KALDORA
                                                                   Version 1.01
                                                                         8.99
                                                          The KALDORA developers
                                                   see README.md of the KALDORA project

                                                             strategy/puzzle game








                         The tree is drawn by the classic recursive method of fractal trees:
                          each branch sprouts a few shorter, thinner branches at random angles.</source>
        <translation>



                                                                      KALDORA
                                                                   Version 1.01
                                                                         8.99
                                                      Os desenvolvedores do KALDORA
                                                    veja o README.md do projeto KALDORA

                                                      jogo de estratégia e quebra-cabeça








                      A árvore é desenhada pelo clássico método recursivo das árvores fractais:
                        de cada galho brotam outros, mais curtos e finos, em ângulos aleatórios.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>na mão: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Devolver</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Pega a casa para soltá-la numa casa livre</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Solta aqui a casa pega</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Devolve a casa pega ao lugar</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nome para os recordes</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Limpar recordes</translation>
    </message>
</context>
</TS>
