<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Jokoa amaitu da.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Harri beltza ezin da mugitu.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Hemen ez dago ezer hartzeko.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Hartuta: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Lekura itzulita: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Taularen ertza.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>%1. errenkada, %2. zutabea</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>%1. errenkada, %2. zutabetik %3. zutabera</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>%1. zutabea, %2. errenkadatik %3. errenkadara</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>muturrak: %1 eta %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Lauki berriak: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Kolore bat lehertu da: %1, lauki %n.</numerusform>
            <numerusform>Kolore bat lehertu da: %1, %n lauki.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Lerroa desegin da: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>Puntu %n, puntuazioa: %1.</numerusform>
            <numerusform>%n puntu, puntuazioa: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>%1. errenkadatik %2. errenkadara, %3. zutabetik %4. zutabera</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Karratua desegin da: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Helmugara mugitu da: %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Ez da mugitu: %1 beteta dago.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Ez da mugitu.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Harri beltza: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Jokoa amaitu da, puntuazioa: %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Sakatu Pausatu eta gero Hasi joko berria abiarazteko.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Jokoaren berriak</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>gorria</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>horia</translation>
    </message>
    <message>
        <source>green</source>
        <translation>berdea</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ziana</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>urdina</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>komodina</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>lehertua</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>harri beltza</translation>
    </message>
    <message>
        <source>free</source>
        <translation>librea</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, %2. errenkada, %3. zutabea</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Taula</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Hasi</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausatu</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Desaktibatu &amp;soinua</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Atzeko &amp;kolorea</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>Nola &amp;jokatu</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>I&amp;nformazioa</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>Puntuazio a&amp;ltuenak</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Garbitu puntuazioak</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Irten</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Joko bat abian da; Pausatu sakatzean bertan behera geratzen da eta Hasi berriro agertzen da.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Jokoa bertan behera utzi da, puntuazioa: %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Aktibatu soinua</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>&amp;Desaktibatu soinua</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Soinua aktibatuta.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Soinua desaktibatuta.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Puntuazio altuenak</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Jarraitu</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Jokalari-izena</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Nork lortu ditu hainbeste puntu?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Jarraitu</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Puntuazio altuenak garbitu?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Ez</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Puntuazio altuenak</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, puntu %2</numerusform>
            <numerusform>%1, %2 puntu</numerusform>
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
     Jokoaren helburua ahalik eta puntu gehien lortzea da.
     Puntuak lortzeko, laukiak arrastatu eta jaregin behar dira, kolore bereko
lerroak eta karratuak osatzeko. Koloretako laukiak soilik mugi daitezke, eta
koloretako beste lauki batzuen gainetik salto egin dezakete. Lerroak bost laukiz
osatzen dira, horizontalean, bertikalean edo diagonalean. Karratuak hiru bider hiru
laukiz osatzen dira.
     Jokoaren hasieran hiru lauki betetzen dira, eta huts egindako mugimendu
bakoitzaren ondoren beste hiru gehitzen dira.
     Lerro edo karratu bat osatzen denean, desegin egiten da, eta lau edo hamazazpi
puntu jasotzen dituzu, hurrenez hurren.
     Lauki guztiak koloreztatuta daudenean, jokoa amaitu egiten da.
     Karratu bat osatu eta desegiten denean, hamazazpi puntuez gain, ausaz
aukeratutako kolore bateko lauki guztiak ere berehala desegiten dira.
     Gainera, noizean behin ausaz aukeratutako kolore bateko lauki guztiak
desegiten dira (lerrorik edo karraturik osatu gabe).
     Aitzitik, tarteka harri beltz batek lauki bat betetzen du betiko.
     Kolore anitzeko laukiak nahi duzun bezala erabil ditzakezu (komodinak dira).


     Eskuineko zuhaitz txikiak ez du zerikusirik jokoarekin. Zuhaitza berriro
hazten da lerro edo karratu bat osatu eta desegiten den bakoitzean.
Aldi bakoitzean zuhaitz berri bat da, inoiz izan ez dena. Jokalari batek ere ez
du zuhaitz bera bi aldiz ikusiko, ez baitago amaierarik...

     Ondo pasa!</translation>
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
                                                                   1.01 bertsioa
                                                                         8.99
                                                         KALDORAren garatzaileak
                                                    ikus KALDORA proiektuaren README.md

                                                          estrategia- eta buru-jokoa








                       Zuhaitza fraktal-zuhaitzen metodo errekurtsibo klasikoaz marrazten da:
              adar bakoitzak adar laburrago eta meheago batzuk sortzen ditu ausazko angeluetan.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Puntuazioa</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>eskuan: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Hartu</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Jaregin</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Itzuli lekura</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Laukia hartzen du, lauki libre batean jaregiteko</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Hartutako laukia hemen jaregiten du</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Hartutako laukia bere lekura itzultzen du</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Puntuazio altuenen zerrendarako izena</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Garbitu puntuazioak</translation>
    </message>
</context>
</TS>
