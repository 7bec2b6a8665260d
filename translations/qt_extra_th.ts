<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>ตกลง</translation></message>
    <message><source>Cancel</source><translation>ยกเลิก</translation></message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message><source>&amp;OK</source><translation>&amp;ตกลง</translation></message>
    <message><source>&amp;Cancel</source><translation>&amp;ยกเลิก</translation></message>
</context>
</TS>
