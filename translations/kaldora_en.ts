<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BoardNews</name>
    <message numerus="yes">
        <source>The colour %1 bursts: %n squares.</source>
        <translation>
            <numerusform>The colour %1 bursts: %n square.</numerusform>
            <numerusform>The colour %1 bursts: %n squares.</numerusform>
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
    <name>HighscoreRows</name>
    <message numerus="yes">
        <source>%1, %2 points</source>
        <translation>
            <numerusform>%1, %2 point</numerusform>
            <numerusform>%1, %2 points</numerusform>
        </translation>
    </message>
</context>
</TS>
