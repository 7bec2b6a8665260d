<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>V redu</translation></message>
    <message><source>Cancel</source><translation>Prekliči</translation></message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message><source>&amp;OK</source><translation>&amp;V redu</translation></message>
    <message><source>&amp;Cancel</source><translation>&amp;Prekliči</translation></message>
</context>
</TS>
