<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>corvane::CalculationWindow</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>剖面详图…</source>
        <translation>Section Details…</translation>
    </message>
</context>
<context>
    <name>corvane::ExportDialogs</name>
    <message>
        <source>确认替换</source>
        <translation>Confirm Replace</translation>
    </message>
    <message>
        <source>文件“%1”已存在。
要替换它吗？</source>
        <translation>The file &quot;%1&quot; already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>打印计算书</source>
        <translation>Print Calculation Sheet</translation>
    </message>
    <message>
        <source>保存更改</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>“%1”有尚未保存的更改。
要保存吗？</source>
        <translation>&quot;%1&quot; has unsaved changes.
Do you want to save them?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>corvane::Form1</name>
    <message>
        <source>船体结构剖面模数计算器</source>
        <translation>Hull Stiffener Section Modulus Calculator</translation>
    </message>
    <message>
        <source>结果：</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>不可输入非数字</source>
        <translation>Enter numbers only</translation>
    </message>
    <message>
        <source>注意!</source>
        <translation>Attention!</translation>
    </message>
</context>
<context>
    <name>corvane::Form3</name>
    <message>
        <source>组合型材剖面模数计算器</source>
        <translation>Built-up Profile Section Modulus Calculator</translation>
    </message>
    <message>
        <source>结果：</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>corvane::Form4</name>
    <message>
        <source>管材参数计算</source>
        <translation>Steel Pipe Calculator</translation>
    </message>
    <message>
        <source>结果：</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>corvane::FormHp</name>
    <message>
        <source>球扁钢带板剖面计算</source>
        <translation>Bulb Flat with Attached Plating</translation>
    </message>
    <message>
        <source>球扁钢</source>
        <translation>Bulb flat</translation>
    </message>
    <message>
        <source>扁钢</source>
        <translation>Flat bar</translation>
    </message>
    <message>
        <source>结果：</source>
        <translation>Results:</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>扁钢的高度与厚度应大于 0</source>
        <translation>A flat bar&apos;s height and thickness must be above 0</translation>
    </message>
</context>
<context>
    <name>corvane::ResultExport</name>
    <message>
        <source>复制结果</source>
        <translation>Copy Results</translation>
    </message>
    <message>
        <source>导出计算书(PDF)…</source>
        <translation>Export Calculation Sheet (PDF)…</translation>
    </message>
    <message>
        <source>打印计算书…</source>
        <translation>Print Calculation Sheet…</translation>
    </message>
    <message>
        <source>无法生成 PDF。</source>
        <translation>The PDF could not be produced.</translation>
    </message>
    <message>
        <source>%1 计算书</source>
        <translation>%1 calculation sheet</translation>
    </message>
    <message>
        <source>%1未能保存。
文件：%2
原因：%3</source>
        <translation>The %1 could not be saved.
File: %2
Reason: %3</translation>
    </message>
    <message>
        <source>计算书</source>
        <translation>calculation sheet</translation>
    </message>
    <message>
        <source>剖面图</source>
        <translation>section drawing</translation>
    </message>
    <message>
        <source>导出计算书</source>
        <translation>Export Calculation Sheet</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>剖面图，比例 %1，单位 mm</source>
        <translation>Section drawing, scale %1, dimensions in mm</translation>
    </message>
    <message>
        <source>无法生成 SVG。</source>
        <translation>The SVG could not be produced.</translation>
    </message>
    <message>
        <source>剖面图  比例 %1（单位 mm）</source>
        <translation>Section drawing  scale %1 (dimensions in mm)</translation>
    </message>
    <message>
        <source>%1 剖面图</source>
        <translation>%1 section drawing</translation>
    </message>
    <message>
        <source>导出图形</source>
        <translation>Export Drawing</translation>
    </message>
    <message>
        <source>SVG 图像 (*.svg)</source>
        <translation>SVG images (*.svg)</translation>
    </message>
    <message>
        <source>复制图形</source>
        <translation>Copy Drawing</translation>
    </message>
    <message>
        <source>导出图形(SVG)…</source>
        <translation>Export Drawing (SVG)…</translation>
    </message>
    <message>
        <source>计算书项目(&amp;J)</source>
        <translation>Sheet &amp;heading</translation>
    </message>
    <message>
        <source>计算书项目</source>
        <translation>Sheet heading</translation>
    </message>
    <message>
        <source>印在计算书页首，可不填</source>
        <translation>Printed at the top of the calculation sheet; optional</translation>
    </message>
    <message>
        <source>计算书未能打印。
打印机：%1
原因：无法在该打印机上开始打印。</source>
        <translation>The calculation sheet was not printed.
Printer: %1
Reason: printing could not start on this printer.</translation>
    </message>
    <message>
        <source>打印计算书</source>
        <translation>Print Calculation Sheet</translation>
    </message>
    <message>
        <source>计算书未能打印。
文件：%1
原因：%2</source>
        <translation>The calculation sheet was not printed.
File: %1
Reason: %2</translation>
    </message>
</context>
<context>
    <name>corvane::SectionDetailsWindow</name>
    <message>
        <source>尚无计算结果</source>
        <translation>No results yet</translation>
    </message>
    <message>
        <source>腐蚀扣除 Δt (mm)</source>
        <translation>Corrosion deduction Δt (mm)</translation>
    </message>
    <message>
        <source>腐蚀扣除 Δ&amp;t (mm)</source>
        <translation>Corrosion deduction Δ&amp;t (mm)</translation>
    </message>
    <message>
        <source>净尺寸说明</source>
        <translation>Net scantlings note</translation>
    </message>
    <message>
        <source>剖面特性表</source>
        <translation>Section properties table</translation>
    </message>
    <message>
        <source>计算表</source>
        <translation>Working table</translation>
    </message>
    <message>
        <source>剖面特性(&amp;P)</source>
        <translation>Section &amp;properties</translation>
    </message>
    <message>
        <source>计算表(&amp;W)</source>
        <translation>&amp;Working table</translation>
    </message>
    <message>
        <source>%1，%2：%3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>corvane::SectionDrawingWidget</name>
    <message>
        <source>剖面图</source>
        <translation>Section drawing</translation>
    </message>
    <message>
        <source>尚无计算结果</source>
        <translation>No results yet</translation>
    </message>
</context>
<context>
    <name>corvane::SectionForm</name>
    <message>
        <source>输入内容有误,请重新检查</source>
        <translation>The input is wrong; please check it again</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>惯性矩 I (cm⁴)：剖面对中和轴的惯性矩（截面二次矩），不是极惯性矩</source>
        <translation>Moment of inertia I (cm⁴): the second moment of area about the neutral axis, not the polar moment</translation>
    </message>
    <message>
        <source>每米质量 m (kg/m)：每米长钢管的质量</source>
        <translation>Mass per metre m (kg/m): the mass of one metre of pipe</translation>
    </message>
</context>
</TS>
