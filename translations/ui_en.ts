<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SunChangesWindow</name>
    <message numerus="yes">
        <source>%n time zones match %1: choose one from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks; %n is at least 2.</extracomment>
        <translation>
            <numerusform>%n time zone matches %1: choose one from the list.</numerusform>
            <numerusform>%n time zones match %1: choose one from the list.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: choose one from the list.</source>
        <translation>
            <numerusform>%n place matches %1: choose one from the list.</numerusform>
            <numerusform>%n places match %1: choose one from the list.</numerusform>
        </translation>
    </message>
</context>
</TS>
