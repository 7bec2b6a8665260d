<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>Εντάξει</translation></message>
    <message><source>Cancel</source><translation>Ακύρωση</translation></message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message><source>&amp;OK</source><translation>&amp;Εντάξει</translation></message>
    <message><source>&amp;Cancel</source><translation>&amp;Ακύρωση</translation></message>
</context>
</TS>
