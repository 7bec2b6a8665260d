<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>ठीक</translation></message>
    <message><source>Cancel</source><translation>रद्द करें</translation></message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message><source>&amp;OK</source><translation>ठीक (&amp;O)</translation></message>
    <message><source>&amp;Cancel</source><translation>रद्द करें (&amp;C)</translation></message>
</context>
</TS>
