<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Hra skončila.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Černým kamenem nelze pohnout.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Tady není co zvednout.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Zvednuto: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Vráceno: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Okraj hrací desky.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>řádek %1, sloupce %2 až %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>sloupec %1, řádky %2 až %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 až %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Nová pole: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Barva %1 praskla: %n pole.</numerusform>
            <numerusform>Barva %1 praskla: %n pole.</numerusform>
            <numerusform>Barva %1 praskla: %n polí.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Řada zmizela: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n bod, skóre %1.</numerusform>
            <numerusform>%n body, skóre %1.</numerusform>
            <numerusform>%n bodů, skóre %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>řádky %1 až %2, sloupce %3 až %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Čtverec zmizel: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Přesunuto na %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Nepřesunuto, obsazeno: %1.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Nepřesunuto.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Černý kámen: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Konec hry, skóre %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Novou hru zahájíte tlačítkem Pozastavit a potom Spustit.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Dění ve hře</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranžová</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>žlutá</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>azurová</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurová</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>žolík</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>prasklé</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>černý kámen</translation>
    </message>
    <message>
        <source>free</source>
        <translation>volné</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, řádek %2, sloupec %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Hrací deska</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Spustit</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pozastavit</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Vypnout zvuk</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Barva pozadí</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Jak hrát</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informace</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Nejlepší výsledky</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Vyčis&amp;tit výsledky</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Hra probíhá; tlačítko Pozastavit ji přeruší a vrátí tlačítko Spustit.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Hra přerušena, skóre %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Zapnout zvuk</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>&amp;Vypnout zvuk</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Zvuk zapnut.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Zvuk vypnut.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Nejvyšší skóre</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Pokračovat</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Jméno hráče</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Kdo dosáhl tolika bodů?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Pokračovat</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Opravdu vyčistit nejlepší výsledky?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Nejvyšší skóre</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 bod</numerusform>
            <numerusform>%1, %2 body</numerusform>
            <numerusform>%1, %2 bodů</numerusform>
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
     Cílem hry je získat co nejvíce bodů.
     Body získáte tak, že myší přetahujete pole a skládáte řady a čtverce
z polí stejné barvy. Přesouvat lze jen barevná pole a smějí přitom přeskakovat
jiná barevná pole. Řadu tvoří pět polí vodorovně, svisle nebo úhlopříčně, čtverec
tvoří tři krát tři pole.
     Na začátku hry se zaplní tři pole a po každém neúspěšném tahu přibudou další
tři.
     Hotová řada nebo čtverec zmizí; za řadu získáte čtyři body, za čtverec
sedmnáct bodů.
     Hra skončí, jakmile jsou všechna pole obsazena.
     Když vytvoříte čtverec a ten zmizí, získáte sedmnáct bodů a navíc okamžitě
zmizí také všechna pole jedné náhodně zvolené barvy.
     Kromě toho občas zmizí všechna pole náhodně zvolené barvy (aniž byla
vytvořena řada nebo čtverec).
     Naopak se tu a tam některé pole nenávratně zaplní černým kamenem.
     Vícebarevná pole můžete použít libovolně (jsou to žolíci).


     Stromek vpravo nemá pro hru žádný význam. Vyroste pokaždé znovu, kdykoli
vznikne a zmizí řada nebo čtverec. Vždy je to nový strom, jaký tu ještě nebyl.
Žádný hráč neuvidí tentýž strom dvakrát, protože jeho podobám není konce...

     Přejeme hodně zábavy!</translation>
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
                                                                    Verze 1.01
                                                                         8.99
                                                           Vývojáři hry KALDORA
                                                      viz README.md projektu KALDORA

                                                          strategická a logická hra








                          Strom se kreslí klasickou rekurzivní metodou fraktálových stromů:
                        z každé větve vyrůstá několik kratších, tenčích větví pod náhodnými úhly.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>v ruce: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Zvednout</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Položit</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Vrátit</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Zvedne pole k přesunu na volné pole</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Položí sem zvednuté pole</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Vrátí zvednuté pole zpět</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Jméno do seznamu nejlepších výsledků</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Vyčistit výsledky</translation>
    </message>
</context>
</TS>
