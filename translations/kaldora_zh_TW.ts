<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>遊戲已結束。</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>黑石無法移動。</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>這裡沒有可拿起的方塊。</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>已拿起：%1。</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>已放回：%1。</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>已到遊戲盤邊緣。</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>第 %1 列第 %2 欄</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>第 %1 列第 %2 至 %3 欄</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>第 %1 欄第 %2 至 %3 列</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>從%1到%2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>新方塊：%1。</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>；</translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>%1爆開：共 %n 個方塊。</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>連線消除：%1，%2。</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>得 %n 分，分數 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>第 %1 至 %2 列、第 %3 至 %4 欄</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>九宮格消除：%1，%2。</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>已移到%1。</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>未移動：%1已被佔用。</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>未移動。</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>黑石出現在%1。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1在%2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>遊戲結束，分數 %1。</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>先按「暫停」再按「開始」即可開新局。</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>遊戲動態</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>洋紅色</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>萬用方塊</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>已爆開</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>黑石</translation>
    </message>
    <message>
        <source>free</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1，第 %2 列第 %3 欄</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>遊戲盤</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暫停(&amp;P)</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>關閉音效(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>背景顏色(&amp;B)</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>玩法說明(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>資訊(&amp;I)</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>顯示高分紀錄(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>清除高分紀錄(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>離開(&amp;E)</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>遊戲進行中；按「暫停」會中止本局，並重新顯示「開始」。</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>本局已中止，分數 %1。</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>開啟音效(&amp;O)</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>關閉音效(&amp;O)</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>音效已開啟。</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>音效已關閉。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>繼續(&amp;G)</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>玩家名稱</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>請問是誰得到這麼高的分數？</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>繼續(&amp;G)</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>您確定要清除高分紀錄嗎？</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>高分榜</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>第 %1 名，%2 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a row&apos;s text, then its name or date</comment>
        <translation>%1，%2</translation>
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
     本遊戲的目標是盡可能獲得最多的分數。
     以拖放方式移動方塊，把同色的方塊排成連線或九宮格，就能得分。
只有彩色方塊可以移動，而且可以跳過其他彩色方塊。
彩色連線由五個方塊以水平、垂直或斜向
排成；九宮格則由三乘三個
方塊組成。
     遊戲開始時會填入三個方塊，之後每次沒有得分的移動，
都會再加入三個方塊。
     排成一條連線或一個九宮格後，這些方塊便會消除，您可
分別獲得四分或十七分。
     所有格子都被填滿時，遊戲便結束。
     排成九宮格並消除後，除了計入十七分之外，
隨機選定的某一種顏色的所有方塊
也會立即消除。
     此外，隨機選定的某一種顏色的所有方塊偶爾也會消除
（即使沒有排成任何連線或九宮格）。
     相反地，偶爾也會有格子被黑石永久填滿。
     您可以隨意把多色方塊當作任何顏色使用（它們是萬用方塊）。


     右邊的小樹與遊戲本身無關。每當排成連線或九宮格並消除時，
這棵樹都會重新生長一次。
每次長出的都是一棵前所未見的新樹。沒有玩家會看到
同一棵樹兩次，因為它的變化永無止境……

     祝您玩得愉快！</translation>
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
                                                          KALDORA 開發者群
                                                   請參閱 KALDORA 專案的 README.md

                                                             策略益智遊戲








                         這棵樹採用經典的碎形樹遞迴畫法繪製：
                          每根樹枝都會以隨機角度長出幾根更短、更細的分枝。</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>分數</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>手上拿著：%1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>拿起</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>放下</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>放回</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>拿起此方塊，以便放到空格上</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>將拿起的方塊放在這裡</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>將拿起的方塊放回原處</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>高分榜上的名稱</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>清除高分紀錄</translation>
    </message>
</context>
</TS>
