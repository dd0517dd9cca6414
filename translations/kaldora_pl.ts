<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Koniec gry.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Czarnego kamienia nie można przenieść.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Tu nie ma nic do podniesienia.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Podniesiono: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Odłożono na miejsce: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Krawędź planszy.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>wiersz %1, kolumny od %2 do %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>kolumna %1, wiersze od %2 do %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>początek: %1, koniec: %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Nowe pola: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Kolor %1 pęka: %n pole.</numerusform>
            <numerusform>Kolor %1 pęka: %n pola.</numerusform>
            <numerusform>Kolor %1 pęka: %n pól.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Zniknęła linia: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n punkt, wynik %1.</numerusform>
            <numerusform>%n punkty, wynik %1.</numerusform>
            <numerusform>%n punktów, wynik %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>wiersze od %1 do %2, kolumny od %3 do %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Zniknął kwadrat: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Przeniesiono na pole: %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Nie przeniesiono, pole zajęte: %1.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Nie przeniesiono.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Czarny kamień: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Koniec gry, wynik %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Nowa gra: najpierw Wstrzymaj, potem Rozpocznij.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Wydarzenia w grze</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>błękitny</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurowy</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>pęknięte</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>czarny kamień</translation>
    </message>
    <message>
        <source>free</source>
        <translation>wolne</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, wiersz %2, kolumna %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Wstrzymaj</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Wyłącz &amp;dźwięk</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Kolor &amp;tła</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Zasady gry</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Pokaż rekordy</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Wy&amp;czyść rekordy</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Trwa gra; przycisk Wstrzymaj przerywa ją i przywraca przycisk Rozpocznij.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Gra przerwana, wynik %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>Włącz &amp;dźwięk</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Wyłącz &amp;dźwięk</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Dźwięk włączony.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Dźwięk wyłączony.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Dalej</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Imię gracza</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Kto zdobył tyle punktów?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Dalej</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Na pewno wyczyścić rekordy?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Rekordy</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 punkt</numerusform>
            <numerusform>%1, %2 punkty</numerusform>
            <numerusform>%1, %2 punktów</numerusform>
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
     Celem gry jest zdobycie jak największej liczby punktów.
     Punkty zdobywa się, przeciągając pola tak, aby powstawały linie i kwadraty
z pól tego samego koloru. Przesuwać można tylko kolorowe pola. Wolno przy tym
przeskakiwać nad innymi kolorowymi polami. Linia składa się z pięciu pól ułożonych
poziomo, pionowo lub ukośnie, a kwadraty mają wymiary trzy na trzy
pola.
     Na początku gry zapełniane są trzy pola, a po każdym nieudanym ruchu
dochodzą trzy kolejne.
     Ułożona linia lub kwadrat znika, co daje odpowiednio cztery lub
siedemnaście punktów.
     Gra kończy się, gdy wszystkie pola są zajęte.
     Gdy powstanie i zniknie kwadrat, to oprócz zaliczenia siedemnastu punktów
natychmiast znikają również wszystkie pola jednego, losowo wybranego
koloru.
     Ponadto od czasu do czasu znikają wszystkie pola losowo wybranego koloru
(bez ułożenia linii czy kwadratu).
     Z kolei co jakiś czas pole zostaje bezpowrotnie zajęte przez czarny kamień.
     Wielobarwnych pól można używać dowolnie (są to jokery).


     Małe drzewko po prawej nie ma znaczenia dla gry. Wyrasta na nowo za każdym
razem, gdy powstaje i znika linia lub kwadrat.
Zawsze jest to nowe drzewo, jakiego jeszcze nigdy nie było. Żaden gracz
nie zobaczy dwa razy tego samego drzewa, bo ich różnorodność nie ma końca…

     Miłej zabawy!</translation>
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
                                                                   Wersja 1.01
                                                                         8.99
                                                          Autorzy gry KALDORA
                                                   zobacz plik README.md projektu KALDORA

                                                             gra strategiczno-logiczna








                         Drzewo powstaje klasyczną rekurencyjną metodą drzew fraktalnych:
                          każda gałąź wypuszcza losowo skierowane, krótsze i cieńsze gałązki.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>w ręku: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Podnieś</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Połóż</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Odłóż na miejsce</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Podnosi pole, aby położyć je na wolnym polu</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Kładzie tutaj podniesione pole</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Odkłada podniesione pole na miejsce</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Imię do listy rekordów</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Wyczyść rekordy</translation>
    </message>
</context>
</TS>
