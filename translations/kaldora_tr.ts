<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Oyun bitti.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Kara taş yerinden oynatılamaz.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Burada alınacak bir şey yok.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Alındı: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Yerine kondu: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Tahtanın kenarı.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>satır %1, sütun %2 ile %3 arası</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>sütun %1, satır %2 ile %3 arası</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 ile %2 arası</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Yeni kareler: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Patlayan renk: %1, %n kare.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Sıra yok oldu: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n puan, toplam puan %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>satır %1 ile %2 arası, sütun %3 ile %4 arası</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Blok yok oldu: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Taşındı: %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Taşınmadı: %1 dolu.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Taşınmadı.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Kara taş: %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Oyun bitti, puanınız %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Yeni oyun için önce Duraklat'a, sonra Başlat'a basın.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Oyundaki gelişmeler</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>turuncu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>sarı</translation>
    </message>
    <message>
        <source>green</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>camgöbeği</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>mavi</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>macenta</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>patlamış</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>kara taş</translation>
    </message>
    <message>
        <source>free</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, satır %2, sütun %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Oyun tahtası</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Başlat</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Duraklat</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Sesi &amp;Kapat</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Arka Plan &amp;Rengi</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Nasıl Oynanır</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>Bi&amp;lgi</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>Puanları &amp;Göster</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Puanları &amp;Temizle</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Çık</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Bir oyun sürüyor; Duraklat oyunu bırakır ve Başlat düğmesini geri getirir.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Oyun bırakıldı, puanınız %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>Sesi &amp;Aç</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Sesi Ka&amp;pat</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Ses açık.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Ses kapalı.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Yüksek Puanlar</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Devam</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Oyuncu Adı</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Bu kadar puanı kim topladı?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Devam</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Yüksek puanlar temizlensin mi?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Yüksek Puanlar</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 puan</numerusform>
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
     Oyunun amacı olabildiğince çok puan toplamaktır.
     Puanlar, aynı renkteki karelerden sıralar ve bloklar oluşturmak için kareleri
sürükleyip bırakarak kazanılır. Yalnızca renkli kareler taşınabilir. Renkli
karelerin üzerinden atlamak serbesttir. Renkli sıralar yatay, dikey ya da çapraz
dizilmiş beş kareden oluşur. Bloklar ise üçe üç, yani toplam dokuz kareden
oluşur.
     Oyunun başında üç kare doldurulur ve her başarısız hamleden sonra üç kare daha
eklenir.
     Oluşturulan bir sıra ya da blok yok olur ve sırasıyla dört ya da on yedi puan
kazanırsınız.
     Bütün kareler dolduğunda oyun biter.
     Bir blok oluşturulup yok olduğunda, hesabınıza yazılan on yedi puana ek olarak
rastgele belirlenen bir renkteki bütün kareler de anında yok olur.
     Ayrıca arada bir, hiçbir sıra ya da blok oluşturulmadan da rastgele belirlenen
bir renkteki bütün kareler yok olur.
     Buna karşılık zaman zaman bir kare, bir daha boşalmamak üzere kara taşla dolar.
     Çok renkli kareleri istediğiniz gibi kullanabilirsiniz (bunlar jokerdir).


     Sağdaki küçük ağacın oyun için hiçbir önemi yoktur. Bir sıra ya da blok oluşup
yok oldukça ağaç her seferinde yeniden büyür.
Her seferinde daha önce hiç var olmamış yeni bir ağaç çıkar. Hiçbir oyuncu aynı
ağacı iki kez görmeyecek, çünkü bunun sonu yoktur...

     İyi eğlenceler!</translation>
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
                                                             KALDORA geliştiricileri
                                                   bkz. KALDORA projesindeki README.md

                                                          strateji ve bulmaca oyunu








                              Ağaç, fraktal ağaçların klasik özyinelemeli yöntemiyle çizilir:
                            her dal, rastgele açılarla birkaç daha kısa ve daha ince dal verir.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>elinizde: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Bırak</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Yerine koy</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Kareyi alır; ardından boş bir kareye bırakabilirsiniz</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Alınan kareyi buraya bırakır</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Alınan kareyi yerine geri koyar</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Yüksek puanlar için ad</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Puanları Temizle</translation>
    </message>
</context>
</TS>
