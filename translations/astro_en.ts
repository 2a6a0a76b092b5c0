<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SunTexts</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>The end of a list cut short: &quot;Europe/London, Europe/Paris and 3 more&quot;.</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n time zone matches %1: %2 (give it).</numerusform>
            <numerusform>%n time zones match %1: %2 (give one of them).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n place matches %1: %2 (give it).</numerusform>
            <numerusform>%n places match %1: %2 (give one of them).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
</TS>
