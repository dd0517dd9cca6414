<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Une pierre noire ne peut pas être déplacée.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Rien à prendre ici.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Pris&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Remis&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Bord du plateau.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Nouvelles cases : %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Pierre noire en %1.</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Partie terminée, score %1.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Nouvelles du jeu</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Déplacé en %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Aucun déplacement&#xa0;: la case en %1 est occupée.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Aucun déplacement.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Pause, puis Démarrer, commence une nouvelle partie.</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>ligne %1, colonnes %2 à %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>colonne %1, lignes %2 à %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Ligne dissoute&#xa0;: %1, %2.</translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>lignes %1 à %2, colonnes %3 à %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Carré dissous&#xa0;: %1, %2.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation> ; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>La couleur %1 éclate : %n case.</numerusform>
            <numerusform>La couleur %1 éclate : %n cases.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n point, score %1.</numerusform>
            <numerusform>%n points, score %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>éclatée</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>pierre noire</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Couper le son</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Couleur de &amp;fond</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informations</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Effacer les scores</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Activer le son</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>C&amp;ouper le son</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Partie abandonnée, score %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Son activé.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Son coupé.</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Une partie est en cours ; Pause l&apos;abandonne et fait revenir Démarrer.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Qui a obtenu autant de points ?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Effacer vraiment les meilleurs scores ?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 point</numerusform>
            <numerusform>%1, %2 points</numerusform>
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
     Le but du jeu est d&apos;obtenir le plus de points possible.
     On marque des points en faisant glisser des cases afin de former des lignes
et des carrés de cases de même couleur. Seules les cases colorées peuvent être
déplacées, et elles peuvent sauter par-dessus d&apos;autres cases colorées. Les lignes
comptent cinq cases à l&apos;horizontale, à la verticale ou en diagonale ; les carrés
comptent trois fois trois cases.
     Trois cases sont remplies au début de la partie, et trois autres s&apos;ajoutent
après chaque coup infructueux.
     Une ligne ou un carré terminé se dissout et vous rapporte quatre ou
dix-sept points.
     La partie est finie quand toutes les cases sont occupées.
     Quand un carré se dissout, toutes les cases d&apos;une couleur tirée au hasard
se dissolvent aussitôt, en plus des dix-sept points gagnés.
     De plus, toutes les cases d&apos;une couleur tirée au hasard se dissolvent de temps
en temps (sans qu&apos;une ligne ou un carré ait été formé).
     À l&apos;inverse, des cases sont parfois remplies pour de bon par une pierre noire.
     Les cases multicolores s&apos;utilisent comme bon vous semble (ce sont des jokers).


     Le petit arbre à droite n&apos;a aucune importance pour le jeu. Il repousse
chaque fois qu&apos;une ligne ou un carré se forme et se dissout.
C&apos;est chaque fois un nouvel arbre qui n&apos;a jamais existé. Aucun joueur ne verra
deux fois le même arbre, car il n&apos;y a pas de fin...

     Amusez-vous bien !</translation>
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
                                                       Les développeurs de KALDORA
                                                   voir le README.md du projet KALDORA

                                                       jeu de stratégie et de réflexion








                          L&apos;arbre suit la méthode récursive classique des arbres fractals :
                        chaque branche en fait pousser de plus courtes et plus fines, au hasard.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>Pick up</source>
        <translation>Prendre</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Poser</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Remettre</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Prend la case, à poser sur une case libre</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Pose ici la case prise</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Remet la case prise à sa place</translation>
    </message>
    <message>
        <source>carrying %1</source>
        <translation>en main&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nom pour les meilleurs scores</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Effacer les scores</translation>
    </message>
</context>
</TS>
