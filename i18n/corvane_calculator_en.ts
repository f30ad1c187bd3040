<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>corvane::Form5</name>
    <message>
        <source>↑确定</source>
        <translation>↑Enter</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>弧度计算</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>角度计算</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>存储记录</source>
        <translation>Memory record</translation>
    </message>
    <message>
        <source>运算类型</source>
        <translation>Angle unit</translation>
    </message>
    <message>
        <source>三角函数</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>工程计算器</source>
        <translation>Engineering Calculator</translation>
    </message>
    <message>
        <source>输入无效！</source>
        <translation>Invalid input!</translation>
    </message>
</context>
<context>
    <name>corvane::MemoryIndicator</name>
    <message>
        <source> 清空</source>
        <translation> Clear</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Store</translation>
    </message>
</context>
</TS>
