<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Permainan usai.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Batu hitam tidak bisa dipindahkan.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Tidak ada yang bisa diambil di sini.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Diambil: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Dikembalikan: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Tepi papan.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>baris %1, kolom %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>baris %1, kolom %2 sampai %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>kolom %1, baris %2 sampai %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>dari %1 sampai %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Kotak baru: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Warna %1 pecah: %n kotak.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Deret menghilang: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n poin, skor %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>baris %1 sampai %2, kolom %3 sampai %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Persegi menghilang: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Dipindahkan ke %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Tidak dipindahkan: %1 sudah terisi.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Tidak dipindahkan.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Batu hitam di %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Permainan usai, skor %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Tekan Jeda, lalu Mulai, untuk permainan baru.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Peristiwa permainan</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>merah</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranye</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>kuning</translation>
    </message>
    <message>
        <source>green</source>
        <translation>hijau</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>sian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>biru</translation>
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
        <translation>pecah</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>batu hitam</translation>
    </message>
    <message>
        <source>free</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, baris %2, kolom %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Papan permainan</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Mulai</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Jeda</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>Matikan &amp;Suara</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Warna Latar</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Cara Bermain</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informasi</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Lihat Tingkat Skor</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>&amp;Hapus Tingkat Skor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Berhenti</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Permainan sedang berjalan; tombol Jeda membatalkannya dan memunculkan lagi tombol Mulai.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Permainan dibatalkan, skor %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Nyalakan Suara</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Ma&amp;tikan Suara</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Suara menyala.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Suara mati.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Tingkat Skor</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Lanjut</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Nama Pemain</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Siapa yang meraih poin sebanyak ini?</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Lanjut</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Anda yakin ingin mengosongkan tingkat skor?</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>&amp;Tidak</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Tingkat Skor</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>Peringkat %1, %2 poin</numerusform>
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
     Tujuan permainan ini adalah mengumpulkan poin sebanyak mungkin.
     Poin didapat dengan menyeret dan melepas kotak untuk membentuk deret dan
persegi dari kotak-kotak berwarna sama. Hanya kotak berwarna yang bisa dipindahkan,
dan kotak boleh melompati kotak berwarna lain. Deret terdiri atas lima kotak yang
tersusun mendatar, tegak, atau diagonal. Persegi terdiri atas tiga kali tiga
kotak.
     Di awal permainan tiga kotak terisi, dan setelah setiap langkah yang tidak
berhasil, tiga kotak lagi ditambahkan.
     Deret atau persegi yang terbentuk akan menghilang, dan Anda mendapat empat
poin untuk deret atau tujuh belas poin untuk persegi.
     Permainan usai jika semua kotak sudah berwarna.
     Jika sebuah persegi terbentuk dan menghilang, selain tujuh belas poin yang
didapat, semua kotak dari satu warna yang dipilih secara acak juga langsung
menghilang.
     Selain itu, sesekali semua kotak dari satu warna yang dipilih secara acak
menghilang (tanpa ada deret atau persegi yang terbentuk).
     Sebaliknya, kadang-kadang sebuah kotak terisi batu hitam untuk selamanya.
     Kotak aneka warna dapat Anda gunakan sesuka hati (itulah joker).


     Pohon kecil di sebelah kanan tidak berpengaruh pada permainan. Pohon itu
tumbuh kembali dari awal setiap kali sebuah deret atau persegi terbentuk dan
menghilang. Setiap kali, pohon itu adalah pohon baru yang belum pernah ada.
Tak seorang pemain pun akan melihat pohon yang sama dua kali, karena ragamnya
tiada habisnya...

     Selamat bermain!</translation>
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
                                                          Para pengembang KALDORA
                                                   lihat README.md proyek KALDORA

                                                             permainan strategi dan teka-teki








                         Pohon digambar dengan metode rekursif klasik untuk pohon fraktal:
                tiap cabang menumbuhkan beberapa cabang lebih pendek dan tipis bersudut acak.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>membawa %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Ambil</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Letakkan</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Kembalikan</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Mengambil kotak untuk diletakkan di kotak kosong</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Meletakkan kotak yang diambil di sini</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Mengembalikan kotak yang diambil ke tempatnya</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Nama untuk tingkat skor</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Hapus Tingkat Skor</translation>
    </message>
</context>
</TS>
