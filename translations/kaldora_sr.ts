<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_RS">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Игра је готова.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Црни камен не може да се помери.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Овде нема шта да се подигне.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Подигнуто: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Враћено на место: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Ивица табле.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>ред %1, колона %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>ред %1, колоне од %2 до %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>колона %1, редови од %2 до %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>почетак: %1, крај: %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Нова поља: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Распрскава се %1 боја: %n поље.</numerusform>
            <numerusform>Распрскава се %1 боја: %n поља.</numerusform>
            <numerusform>Распрскава се %1 боја: %n поља.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Нестала је линија: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n поен, резултат %1.</numerusform>
            <numerusform>%n поена, резултат %1.</numerusform>
            <numerusform>%n поена, резултат %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>редови од %1 до %2, колоне од %3 до %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Нестао је квадрат: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Премештено на поље: %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Није премештено, поље је заузето: %1.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Није премештено.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Црни камен: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Игра је готова, резултат %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Нова игра: прво Паузирај, па Покрени.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Догађаји у игри</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>црвена</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>наранџаста</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жута</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>тиркизна</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>плава</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>љубичаста</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>џокер</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>распрснуто</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>црни камен</translation>
    </message>
    <message>
        <source>free</source>
        <translation>слободно</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, ред %2, колона %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Табла</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>По&amp;крени</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Паузирај</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Искључи &amp;звук</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Боја позадине</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>П&amp;равила игре</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Информације</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Најрезултати</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Очисти најрезултате</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Напу&amp;сти</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Игра је у току; Паузирај је прекида и враћа дугме Покрени.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Игра је прекинута, резултат %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>Укључи &amp;звук</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Искључи &amp;звук</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Звук је укључен.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Звук је искључен.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Најрезултати</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Настави</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Име играча</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Ко је освојио толико поена?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Настави</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Заиста очистити најрезултате?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Не</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Најрезултати</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 поен</numerusform>
            <numerusform>%1, %2 поена</numerusform>
            <numerusform>%1, %2 поена</numerusform>
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
     Циљ игре је да освојите што више поена.
     Поени се освајају превлачењем поља тако да се од поља исте боје образују
линије и квадрати. Могу се померати само обојена поља. Дозвољено је прескакати
друга обојена поља. Линије се састоје од пет поља поређаних водоравно,
усправно или дијагонално. Квадрати се састоје од три пута три
поља.
     На почетку игре попуњавају се три поља, а после сваког неуспешног
потеза додају се још три.
     Образована линија или квадрат нестаје и доноси четири, односно
седамнаест поена.
     Игра је готова када су сва поља попуњена.
     Када се образује квадрат и нестане, осим седамнаест освојених поена
одмах нестају и сва поља једне насумично изабране
боје.
     Осим тога, повремено нестају сва поља насумично изабране боје
(а да није образована ни линија ни квадрат).
     Насупрот томе, понекад се неко поље заувек попуни црним каменом.
     Вишебојна поља можете користити по вољи (она су џокери).


     Мало дрво с десне стране нема никаквог значаја за игру. Оно изнова расте
сваки пут када се образује и нестане линија или квадрат.
Увек је то ново дрво какво никада раније није постојало. Ниједан играч
неће двапут видети исто дрво, јер разноликости нема краја…

     Лепо се забавите!</translation>
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
                                                          Аутори игре KALDORA
                                                   видите README.md пројекта KALDORA

                                                             стратешка логичка игра








                         Дрво се црта класичном рекурзивном методом фракталних стабала:
                          свака грана пушта неколико насумично усмерених, краћих и тањих грана.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Резултат</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>у руци: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Подигни</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Спусти</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Врати</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Подиже поље да би се спустило на слободно поље</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Спушта подигнуто поље овде</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Враћа подигнуто поље на место</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Име за најрезултате</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Очисти најрезултате</translation>
    </message>
</context>
</TS>
