<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>Gerai</translation></message>
    <message><source>Cancel</source><translation>Atsisakyti</translation></message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message><source>&amp;OK</source><translation>&amp;Gerai</translation></message>
    <message><source>&amp;Cancel</source><translation>&amp;Atsisakyti</translation></message>
</context>
</TS>
