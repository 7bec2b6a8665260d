<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>Đồng ý</translation></message>
    <message><source>Cancel</source><translation>Hủy bỏ</translation></message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message><source>&amp;OK</source><translation>Đồ&amp;ng ý</translation></message>
    <message><source>&amp;Cancel</source><translation>&amp;Hủy bỏ</translation></message>
</context>
</TS>
