<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>BoardKeys</name>
    <message>
        <source>The game is over.</source>
        <translation>Το παιχνίδι τελείωσε.</translation>
    </message>
    <message>
        <source>A blackstone cannot be moved.</source>
        <translation>Η μαύρη πέτρα δεν μετακινείται.</translation>
    </message>
    <message>
        <source>Nothing to pick up here.</source>
        <translation>Δεν υπάρχει τίποτα εδώ για να σηκώσετε.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Σηκώσατε: %1.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Επιστράφηκε: %1.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Άκρη του ταμπλό.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>row %1, column %2</source>
        <translation>γραμμή %1, στήλη %2</translation>
    </message>
    <message>
        <source>row %1, columns %2 to %3</source>
        <translation>γραμμή %1, στήλες %2 έως %3</translation>
    </message>
    <message>
        <source>column %1, rows %2 to %3</source>
        <translation>στήλη %1, γραμμές %2 έως %3</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>από τη %1 έως τη %2</translation>
    </message>
    <message>
        <source>New squares: %1.</source>
        <translation>Νέα τετράγωνα: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the new squares</comment>
        <translation>· </translation>
    </message>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>Το χρώμα %1 σκάει: %n τετράγωνο.</numerusform>
            <numerusform>Το χρώμα %1 σκάει: %n τετράγωνα.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row dissolved: %1, %2.</source>
        <translation>Εξαφανίστηκε σειρά: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1.</source>
        <translation>
            <numerusform>%n πόντος, βαθμός %1.</numerusform>
            <numerusform>%n πόντοι, βαθμός %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>rows %1 to %2, columns %3 to %4</source>
        <translation>γραμμές %1 έως %2, στήλες %3 έως %4</translation>
    </message>
    <message>
        <source>Quad dissolved: %1, %2.</source>
        <translation>Εξαφανίστηκε μπλοκ: %1, %2.</translation>
    </message>
    <message>
        <source>Moved to %1.</source>
        <translation>Μετακινήθηκε στη %1.</translation>
    </message>
    <message>
        <source>Not moved: %1 is occupied.</source>
        <translation>Δεν μετακινήθηκε: κατειλημμένη θέση στη %1.</translation>
    </message>
    <message>
        <source>Not moved.</source>
        <translation>Δεν μετακινήθηκε.</translation>
    </message>
    <message>
        <source>Blackstone at %1.</source>
        <translation>Μαύρη πέτρα στη %1.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 στη %2</translation>
    </message>
    <message>
        <source>Game over, score %1.</source>
        <translation>Τέλος παιχνιδιού, βαθμός %1.</translation>
    </message>
    <message>
        <source>Pause, then Start, begins a new game.</source>
        <translation>Με Παύση και μετά Έναρξη ξεκινά νέο παιχνίδι.</translation>
    </message>
    <message>
        <source>Game news</source>
        <translation>Εξέλιξη παιχνιδιού</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>red</source>
        <translation>κόκκινο</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>πορτοκαλί</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>κίτρινο</translation>
    </message>
    <message>
        <source>green</source>
        <translation>πράσινο</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>κυανό</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>μπλε</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>ματζέντα</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>τζόκερ</translation>
    </message>
    <message>
        <source>burst</source>
        <translation>σκασμένο</translation>
    </message>
    <message>
        <source>blackstone</source>
        <translation>μαύρη πέτρα</translation>
    </message>
    <message>
        <source>free</source>
        <translation>ελεύθερο</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, γραμμή %2, στήλη %3</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ταμπλό</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Start</source>
        <translation>Έ&amp;ναρξη</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Παύση</translation>
    </message>
    <message>
        <source>Sound &amp;Off</source>
        <translation>&amp;Σίγαση ήχου</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Χρώμα παρασκηνίου</translation>
    </message>
    <message>
        <source>Ho&amp;w to Play</source>
        <translation>&amp;Κανόνες παιχνιδιού</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>Πληρο&amp;φορίες</translation>
    </message>
    <message>
        <source>Show &amp;Highscore</source>
        <translation>&amp;Υψηλή βαθμολογία</translation>
    </message>
    <message>
        <source>&amp;Reset Highscore</source>
        <translation>Καθαρισμός &amp;λίστας</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>A game is running; Pause abandons it and brings Start back.</source>
        <translation>Ένα παιχνίδι είναι σε εξέλιξη· η Παύση το εγκαταλείπει και επαναφέρει την Έναρξη.</translation>
    </message>
    <message>
        <source>Game abandoned, score %1.</source>
        <translation>Το παιχνίδι εγκαταλείφθηκε, βαθμός %1.</translation>
    </message>
    <message>
        <source>Sound &amp;On</source>
        <translation>&amp;Ενεργοποίηση ήχου</translation>
    </message>
    <message>
        <source>Sound O&amp;ff</source>
        <translation>Σί&amp;γαση ήχου</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Ήχος ενεργός.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Ήχος σε σίγαση.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Highscore</source>
        <translation>Υψηλή βαθμολογία</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Συνέχεια</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Spielername</source>
        <translation>Όνομα παίκτη</translation>
    </message>
    <message>
        <source>Who did reach so much points?</source>
        <translation>Ποιος πέτυχε τόσους πόντους;</translation>
    </message>
    <message>
        <source>&amp;Go On</source>
        <translation>&amp;Συνέχεια</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Do you really want to blot out the highscore?</source>
        <translation>Να διαγραφεί η υψηλή βαθμολογία;</translation>
    </message>
    <message>
        <source>&amp;yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;no</source>
        <translation>Ό&amp;χι</translation>
    </message>
</context>
<context>
    <name>HighscoreRows</name>
    <message>
        <source>Highscore</source>
        <translation>Υψηλή βαθμολογία</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 πόντος</numerusform>
            <numerusform>%1, %2 πόντοι</numerusform>
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
     Σκοπός του παιχνιδιού είναι να συγκεντρώσετε όσο περισσότερους πόντους μπορείτε.
     Πόντους κερδίζετε σύροντας και αφήνοντας τετράγωνα, ώστε να σχηματίσετε σειρές
και μπλοκ από τετράγωνα του ίδιου χρώματος. Μόνο τα χρωματιστά τετράγωνα
μετακινούνται, και μπορούν να περάσουν πάνω από άλλα χρωματιστά τετράγωνα. Οι σειρές
αποτελούνται από πέντε τετράγωνα σε οριζόντια, κάθετη ή διαγώνια διάταξη. Τα μπλοκ
αποτελούνται από τρία επί τρία τετράγωνα.
     Στην αρχή του παιχνιδιού γεμίζουν τρία τετράγωνα, και μετά από κάθε ανεπιτυχή
κίνηση προστίθενται τρία ακόμη.
     Μια σειρά ή ένα μπλοκ που σχηματίζεται εξαφανίζεται, και κερδίζετε τέσσερις ή
δεκαεπτά πόντους αντίστοιχα.
     Το παιχνίδι τελειώνει όταν όλα τα τετράγωνα είναι γεμάτα.
     Όταν σχηματίζεται και εξαφανίζεται ένα μπλοκ, εκτός από τους δεκαεπτά πόντους
που πιστώνονται, εξαφανίζονται αμέσως και όλα τα τετράγωνα ενός χρώματος που
επιλέγεται τυχαία.
     Επιπλέον, πού και πού εξαφανίζονται όλα τα τετράγωνα ενός τυχαίου χρώματος
(χωρίς να έχει σχηματιστεί σειρά ή μπλοκ).
     Αντίστροφα, κάθε τόσο ένα τετράγωνο γεμίζει οριστικά με μια μαύρη πέτρα.
     Τα πολύχρωμα τετράγωνα τα χρησιμοποιείτε όπως θέλετε (είναι τζόκερ).


     Το δεντράκι στα δεξιά δεν έχει καμία σημασία για το παιχνίδι. Μεγαλώνει από
την αρχή κάθε φορά που σχηματίζεται και εξαφανίζεται μια σειρά ή ένα μπλοκ.
Κάθε φορά είναι ένα καινούργιο δέντρο που δεν υπήρξε ποτέ πριν. Κανένας παίκτης
δεν θα δει το ίδιο δέντρο δύο φορές, γιατί οι παραλλαγές του δεν τελειώνουν ποτέ...

     Καλή διασκέδαση!</translation>
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
                                                                   Έκδοση 1.01
                                                                         8.99
                                                   Οι προγραμματιστές του KALDORA
                                                    βλ. το README.md του έργου KALDORA

                                                    παιχνίδι στρατηγικής και λογικής








             Το δέντρο σχεδιάζεται με την κλασική αναδρομική μέθοδο των φράκταλ δέντρων:
                       κάθε κλαδί βγάζει λίγα πιο κοντά και πιο λεπτά κλαδιά σε τυχαίες γωνίες.</translation>
    </message>
</context>
<context>
    <name>ScoreAccess</name>
    <message>
        <source>Score</source>
        <translation>Βαθμός</translation>
    </message>
</context>
<context>
    <name>SquareCell</name>
    <message>
        <source>carrying %1</source>
        <translation>κρατάτε: %1</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Σήκωμα</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Απόθεση</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Επιστροφή</translation>
    </message>
    <message>
        <source>Picks the square up, to be dropped on a free square</source>
        <translation>Σηκώνει το τετράγωνο, για να το αφήσετε σε ελεύθερο τετράγωνο</translation>
    </message>
    <message>
        <source>Drops the square picked up here</source>
        <translation>Αφήνει εδώ το τετράγωνο που σηκώσατε</translation>
    </message>
    <message>
        <source>Puts the square picked up back</source>
        <translation>Επιστρέφει στη θέση του το τετράγωνο που σηκώσατε</translation>
    </message>
</context>
<context>
    <name>kaldora::Form3</name>
    <message>
        <source>Name for the Highscore</source>
        <translation>Όνομα για την υψηλή βαθμολογία</translation>
    </message>
</context>
<context>
    <name>kaldora::Form4</name>
    <message>
        <source>Reset Highscore</source>
        <translation>Καθαρισμός λίστας</translation>
    </message>
</context>
</TS>
