<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>Olgu</translation></message>
    <message><source>Cancel</source><translation>Loobu</translation></message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message><source>&amp;OK</source><translation>&amp;Olgu</translation></message>
    <message><source>&amp;Cancel</source><translation>&amp;Loobu</translation></message>
</context>
</TS>
