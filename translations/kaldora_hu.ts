<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Vége a játéknak.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>A fekete kő nem mozdítható.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Itt nincs mit felvenni.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Felvéve: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Visszatéve: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>A tábla széle.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>%1. sor, %2. oszlop</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>%1. sor, %2. oszloptól %3. oszlopig</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>%1. oszlop, %2. sortól %3. sorig</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 és %2 között</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Új mezők: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Szétpattanó szín: %1, %n mező.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Eltűnt egy sor: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n pont, pontszám: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>%1. sortól %2. sorig, %3. oszloptól %4. oszlopig</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Eltűnt egy négyzet: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Áthelyezve ide: %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Nem történt áthelyezés: %1 foglalt.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Nem történt áthelyezés.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Fekete kő: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Vége a játéknak, pontszám: %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Új játék: Szünet, majd Indítás.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Játékesemények</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>piros</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>narancssárga</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>sárga</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zöld</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cián</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>kék</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>bíbor</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>dzsóker</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>szétpattant</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>fekete kő</translation>
    </message>
    <message>
        <source>free</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, %2. sor, %3. oszlop</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Játéktábla</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Indítás</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Szü&amp;net</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>H&amp;ang kikapcsolása</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Háttérszín</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Játékszabályok</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>In&amp;formáció</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Dicsőségtábla</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Dicsőségtábla &amp;törlése</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Játék van folyamatban; a Szünet gomb megszakítja, és visszahozza az Indítás gombot.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>A játék megszakítva, pontszám: %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>Hang &amp;bekapcsolása</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Hang kikapcs&amp;olása</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Hang bekapcsolva.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Hang kikapcsolva.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Dicsőségtábla</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Tovább</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Játékosnév</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Ki ért el ennyi pontot?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Tovább</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Biztosan törli a dicsőségtáblát?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Nem</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Dicsőségtábla</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1. hely, %2 pont</numerusform>
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
     A játék célja, hogy minél több pontot szerezzen.
     Pontot úgy kaphat, hogy a mezőket áthúzva azonos színű mezőkből sorokat és
négyzeteket alakít ki. Csak a színes mezők mozgathatók, és átugorhatják a többi
színes mezőt. A sorok öt, vízszintesen, függőlegesen vagy átlósan egymás mellett
álló mezőből, a négyzetek háromszor három mezőből állnak.
     A játék kezdetén három mező telik meg, és minden sikertelen lépés után további
három jelenik meg.
     A kész sor vagy négyzet eltűnik, és érte négy, illetve tizenhét pont jár.
     A játéknak akkor van vége, ha már minden mező színes.
     Ha egy négyzet létrejön és eltűnik, a jóváírt tizenhét ponton felül azonnal
egy véletlenszerűen kiválasztott szín összes mezője is eltűnik.
     Emellett időnként egy véletlenszerűen kiválasztott szín összes mezője
magától is eltűnik (anélkül, hogy sor vagy négyzet jött volna létre).
     Ezzel szemben olykor egy-egy mezőt végleg kitölt egy fekete kő.
     A többszínű mezőket tetszés szerint használhatja (ezek a dzsókerek).


     A jobb oldali kis fának nincs szerepe a játékban. A fa minden alkalommal
újra kinő, amikor egy sor vagy négyzet létrejön és eltűnik.
Mindig új fa nő, amilyen még soha nem volt. Egyetlen játékos sem látja kétszer
ugyanazt a fát, mert a változatoknak nincs vége...

     Jó szórakozást!</translation>
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
                                                                  1.01-es verzió
                                                                         8.99
                                                          A KALDORA fejlesztői
                                                   lásd a KALDORA projekt README.md fájlját

                                                             stratégiai és logikai játék








                         A fát a fraktálfák klasszikus rekurzív módszere rajzolja meg:
                          minden ág néhány rövidebb, vékonyabb ágat hajt véletlen szögben.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Pontszám</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>kézben: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Felvétel</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Lerakás</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Visszatétel</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Felveszi a mezőt, hogy egy üres mezőre tegye</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Ide teszi a felvett mezőt</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Visszateszi a felvett mezőt</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Név a dicsőségtáblához</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Dicsőségtábla törlése</translation>
    </message>
</context>
</TS>
