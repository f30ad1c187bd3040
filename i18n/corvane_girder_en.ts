<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>corvane::GirderDrawingWidget</name>
    <message>
        <source>表中尚无可绘制的构件</source>
        <translation>The table has no member to draw yet</translation>
    </message>
</context>
<context>
    <name>corvane::GirderModel</name>
    <message>
        <source>修改表格设置</source>
        <translation>Change Table Settings</translation>
    </message>
    <message>
        <source>删除行</source>
        <translation>Delete Rows</translation>
    </message>
    <message>
        <source>上移行</source>
        <translation>Move Rows Up</translation>
    </message>
    <message>
        <source>下移行</source>
        <translation>Move Rows Down</translation>
    </message>
    <message>
        <source>净尺寸：</source>
        <translation>Net scantlings: </translation>
    </message>
    <message>
        <source>编辑单元格</source>
        <translation>Edit Cell</translation>
    </message>
</context>
<context>
    <name>corvane::GirderText</name>
    <message>
        <source>略去：%1</source>
        <translation>left out: %1</translation>
    </message>
</context>
<context>
    <name>corvane::GirderWindow</name>
    <message>
        <source>船体剖面模数计算表</source>
        <translation>Hull Girder Section Table</translation>
    </message>
    <message>
        <source>船体剖面表 (*.corvane.csv);;CSV 表格 (*.csv);;所有文件 (*)</source>
        <translation>Hull section tables (*.corvane.csv);;CSV tables (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>构件表</source>
        <translation>Member table</translation>
    </message>
    <message>
        <source>型深 &amp;D (mm)</source>
        <translation>Depth &amp;D (mm)</translation>
    </message>
    <message>
        <source>型深 D (mm)</source>
        <translation>Depth D (mm)</translation>
    </message>
    <message>
        <source>半剖面(&amp;H)</source>
        <translation>&amp;Half section</translation>
    </message>
    <message>
        <source>表中只列一舷：各行计两次，中线构件计一次</source>
        <translation>The table lists one side only: each row counts twice, a centreline member once</translation>
    </message>
    <message>
        <source>腐蚀扣除 Δ&amp;t (mm)</source>
        <translation>Corrosion deduction Δ&amp;t (mm)</translation>
    </message>
    <message>
        <source>腐蚀扣除 Δt (mm)</source>
        <translation>Corrosion deduction Δt (mm)</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>计算表</source>
        <translation>Working table</translation>
    </message>
    <message>
        <source>剖面图</source>
        <translation>Section drawing</translation>
    </message>
    <message>
        <source>计算表与剖面图</source>
        <translation>Working table and section drawing</translation>
    </message>
    <message>
        <source>计算表(&amp;W)</source>
        <translation>&amp;Working Table</translation>
    </message>
    <message>
        <source>剖面图(&amp;G)</source>
        <translation>Section Drawin&amp;g</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>最近打开的文件(&amp;R)</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>导出计算书(PDF)(&amp;E)…</source>
        <translation>&amp;Export Calculation Sheet (PDF)…</translation>
    </message>
    <message>
        <source>打印计算书(&amp;P)…</source>
        <translation>&amp;Print Calculation Sheet…</translation>
    </message>
    <message>
        <source>返回主菜单(&amp;X)</source>
        <translation>E&amp;xit to Main Menu</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>复制行(&amp;C)</source>
        <translation>&amp;Copy Rows</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>粘贴为新行(&amp;V)</source>
        <translation>Paste as New Rows (&amp;V)</translation>
    </message>
    <message>
        <source>清除单元格(&amp;L)</source>
        <translation>C&amp;lear Cells</translation>
    </message>
    <message>
        <source>插入行(&amp;I)</source>
        <translation>&amp;Insert Row</translation>
    </message>
    <message>
        <source>重复行(&amp;D)</source>
        <translation>&amp;Duplicate Rows</translation>
    </message>
    <message>
        <source>删除行(&amp;R)</source>
        <translation>Delete &amp;Rows</translation>
    </message>
    <message>
        <source>上移(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>下移(&amp;W)</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <source>请填入型深 D</source>
        <translation>Enter the depth D</translation>
    </message>
    <message>
        <source>型深 D 不是数</source>
        <translation>Depth D is not a number</translation>
    </message>
    <message>
        <source>型深 D 应大于 0</source>
        <translation>Depth D must be greater than 0</translation>
    </message>
    <message>
        <source>腐蚀扣除 Δt 不是数</source>
        <translation>Corrosion deduction Δt is not a number</translation>
    </message>
    <message>
        <source>腐蚀扣除 Δt 不能小于 0</source>
        <translation>Corrosion deduction Δt cannot be less than 0</translation>
    </message>
    <message>
        <source>净尺寸 (Δt = %1 mm)</source>
        <translation>Net (Δt = %1 mm)</translation>
    </message>
    <message>
        <source>净尺寸</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>毛尺寸</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>标色的单元格说明原因。</source>
        <translation> The marked cells say why.</translation>
    </message>
    <message>
        <source>净尺寸：</source>
        <translation>Net scantlings: </translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>打开船体剖面表</source>
        <translation>Open Hull Section Table</translation>
    </message>
    <message>
        <source>文件未能打开。
文件：%1
%2</source>
        <translation>The file could not be opened.
File: %1
%2</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>原因：%1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>型深 D 不是数。</source>
        <translation>Depth D is not a number.</translation>
    </message>
    <message>
        <source>腐蚀扣除 Δt 不是数。</source>
        <translation>Corrosion deduction Δt is not a number.</translation>
    </message>
    <message>
        <source>第 %1 行“%2”：%3</source>
        <translation>Row %1, “%2”: %3</translation>
    </message>
    <message>
        <source>文件第 %1 行：%2</source>
        <translation>File line %1: %2</translation>
    </message>
    <message>
        <source>表格未保存：保存的文件将无法再打开。
%1
请改正后再保存。</source>
        <translation>The table was not saved: the saved file could not be opened again.
%1
Please correct it and save again.</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>表格未能保存。
文件：%1
原因：%2</source>
        <translation>The table could not be saved.
File: %1
Reason: %2</translation>
    </message>
    <message>
        <source>剖面表</source>
        <translation>Section table</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Insert Row</translation>
    </message>
    <message>
        <source>重复行</source>
        <translation>Duplicate Rows</translation>
    </message>
    <message>
        <source>清除单元格</source>
        <translation>Clear Cells</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>粘贴为新行</source>
        <translation>Paste as New Rows</translation>
    </message>
</context>
<context>
    <name>corvane::GirderWorkingModel</name>
    <message>
        <source>净 %1</source>
        <translation>Net %1</translation>
    </message>
</context>
</TS>
