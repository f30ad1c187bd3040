<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1：%2
用 %1 --help 查看可用的选项。
</source>
        <translation>%1: %2
Try %1 --help for the options.
</translation>
    </message>
    <message>
        <source>未知选项“%1”。</source>
        <translation>unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>选项“%1”不带值。</source>
        <translation>option &apos;%1&apos; takes no value.</translation>
    </message>
    <message>
        <source>选项“%1”后缺少值。</source>
        <translation>option &apos;%1&apos; needs a value.</translation>
    </message>
    <message>
        <source>选项“--lang”的值“%1”无效：可用 zh 或 en。</source>
        <translation>invalid value &apos;%1&apos; of option &apos;--lang&apos;: use zh or en.</translation>
    </message>
    <message>
        <source>用法：%1 [选项] [表格文件]

Corvane 船舶结构计算工具：船体结构剖面模数计算器、组合型材剖面模数计算器、钢管参数计算和工程计算器。
不带选项时打开主菜单窗口；给出表格文件（CSV）时在船体剖面模数计算表中打开它。

选项：
  -h, --help     显示本帮助并退出
  -v, --version  显示版本号并退出
  --lang zh|en   界面语言：zh 中文（默认），en 英文；程序记住这一选择

也接受 Qt 的窗口系统选项，如 -platform、-display、-style。
</source>
        <translation>Usage: %1 [options] [table file]

Corvane, a ship-structure calculation tool: the hull stiffener section modulus calculator, the built-up profile section modulus calculator, the steel pipe calculator and the engineering calculator.
Without options it opens the main menu window; given a table file (CSV) it opens it in the hull girder section modulus table.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version number and exit
  --lang zh|en   language of the texts: zh Chinese (the default), en English; the program remembers the choice

Qt&apos;s window-system options such as -platform, -display and -style are accepted too.
</translation>
    </message>
    <message>
        <source>只能打开一个表格文件，不接受参数“%1”。</source>
        <translation>only one table file can be opened; argument &apos;%1&apos; is not accepted.</translation>
    </message>
</context>
<context>
    <name>corvane::Form2</name>
    <message>
        <source>语言 / Language(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>界面语言在下次启动程序时改变。</source>
        <translation>The language changes when the program next starts.</translation>
    </message>
    <message>
        <source>经验交流E-mail：%1。</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>船体结构剖面模数计算器</source>
        <translation>Hull Section Modulus</translation>
    </message>
    <message>
        <source>组合型材剖面模数计算器</source>
        <translation>Built-up Profile Modulus</translation>
    </message>
    <message>
        <source>钢管参数计算</source>
        <translation>Steel Pipe</translation>
    </message>
    <message>
        <source>工程计算器</source>
        <translation>Engineering Calculator</translation>
    </message>
    <message>
        <source>关       于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>结       束</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>航行中的小型货船</source>
        <translation>A small cargo ship under way</translation>
    </message>
    <message>
        <source>白色客渡船</source>
        <translation>A white passenger ferry</translation>
    </message>
    <message>
        <source>船坞中建造的船体</source>
        <translation>A hull being built in dock</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>船体结构剖面模数计算器(&amp;H)</source>
        <translation>&amp;Hull Stiffener Section Modulus</translation>
    </message>
    <message>
        <source>组合型材剖面模数计算器(&amp;B)</source>
        <translation>&amp;Built-up Profile Section Modulus</translation>
    </message>
    <message>
        <source>钢管参数计算(&amp;P)</source>
        <translation>Steel &amp;Pipe</translation>
    </message>
    <message>
        <source>工程计算器(&amp;C)</source>
        <translation>Engineering &amp;Calculator</translation>
    </message>
    <message>
        <source>球扁钢带板剖面计算(&amp;F)</source>
        <translation>Bulb &amp;Flat with Attached Plating</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使用说明(&amp;U)…</source>
        <translation>&amp;User Guide…</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>船体剖面模数计算表(&amp;G)</source>
        <translation>Hull &amp;Girder Section Modulus Table</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Corvane 使用说明&lt;/h3&gt;
&lt;p&gt;主菜单的按钮（或菜单“工具”）打开四个计算器；各计算器的“返回”回到主菜单。&lt;/p&gt;
&lt;h4&gt;剖面计算器&lt;/h4&gt;
&lt;p&gt;在输入框中填入尺寸（mm，小数点用“.”），按“计算”得到结果，“清除”清空结果。&lt;/p&gt;
&lt;p&gt;计算之后，窗口的菜单栏和右键菜单（也可按菜单键或 Shift+F10）提供：&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;文件 → 导出计算书(PDF)… &lt;b&gt;Ctrl+S&lt;/b&gt;；打印计算书… &lt;b&gt;Ctrl+P&lt;/b&gt;&lt;/li&gt;
&lt;li&gt;编辑 → 复制结果 &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;：输入与结果的表格，可直接粘贴到电子表格&lt;/li&gt;
&lt;li&gt;查看 → 剖面详图… &lt;b&gt;F2&lt;/b&gt;：按比例的剖面图、剖面特性（毛尺寸与扣除腐蚀余量 Δt 后的净尺寸）和逐板计算表&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;剖面详图窗口中还可复制图形 &lt;b&gt;Ctrl+Shift+D&lt;/b&gt;、导出图形(SVG)… &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;，
并填写印在计算书页首的“计算书项目”。&lt;/p&gt;
&lt;h4&gt;球扁钢带板剖面计算&lt;/h4&gt;
&lt;p&gt;菜单“工具”中的球扁钢带板剖面计算：在所列 59 种球扁钢中选择或键入规格（如 HP 200×10），
或选扁钢并填入高度与厚度，再填带板宽度、厚度与跨距，按“计算”。
编辑 → 复制结果 &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;。&lt;/p&gt;
&lt;h4&gt;船体剖面模数计算表&lt;/h4&gt;
&lt;p&gt;菜单“工具”中的船体剖面模数计算表：每行一个构件（板、型材或自由构件），填型深 D、是否半剖面与腐蚀扣除 Δt，
结果（毛尺寸与净尺寸）随每次编辑更新。表格以 CSV 文件保存，也可用 &lt;code&gt;corvane 文件名&lt;/code&gt; 直接打开。
编辑 → 插入行 &lt;b&gt;Insert&lt;/b&gt;、删除行 &lt;b&gt;Ctrl+Delete&lt;/b&gt;、重复行 &lt;b&gt;Ctrl+D&lt;/b&gt;、上移/下移 &lt;b&gt;Alt+↑/↓&lt;/b&gt;、
撤销 &lt;b&gt;Ctrl+Z&lt;/b&gt;、重做 &lt;b&gt;Ctrl+Y&lt;/b&gt;；复制行 &lt;b&gt;Ctrl+C&lt;/b&gt; 与粘贴 &lt;b&gt;Ctrl+V&lt;/b&gt;（从当前单元格起填入）、
粘贴为新行 &lt;b&gt;Ctrl+Shift+V&lt;/b&gt;，与电子表格互通（制表符分隔）。无法读取的单元格标色，鼠标停留可见原因，该行不计入合计。
文件 → 导出计算书(PDF)… &lt;b&gt;Ctrl+E&lt;/b&gt;、打印计算书… &lt;b&gt;Ctrl+P&lt;/b&gt;。&lt;/p&gt;
&lt;h4&gt;成批计算&lt;/h4&gt;
&lt;p&gt;命令行工具 &lt;code&gt;corvane-batch&lt;/code&gt; 用同样的算法逐行计算 CSV 表格，
详见 &lt;code&gt;corvane-batch --help&lt;/code&gt; 与 &lt;code&gt;man corvane-batch&lt;/code&gt;。&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;Corvane User Guide&lt;/h3&gt;
&lt;p&gt;The main menu&apos;s buttons (or the Tools menu) open the four calculators; each calculator&apos;s Back returns to the main menu.&lt;/p&gt;
&lt;h4&gt;Section calculators&lt;/h4&gt;
&lt;p&gt;Type the dimensions into the entry fields (mm, with &quot;.&quot; as the decimal point) and press Calculate for the results; Clear clears them.&lt;/p&gt;
&lt;p&gt;After a calculation the window&apos;s menu bar and context menu (also the Menu key or Shift+F10) offer:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;File → Export Calculation Sheet (PDF)… &lt;b&gt;Ctrl+S&lt;/b&gt;; Print Calculation Sheet… &lt;b&gt;Ctrl+P&lt;/b&gt;&lt;/li&gt;
&lt;li&gt;Edit → Copy Results &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;: a table of the inputs and results, ready to paste into a spreadsheet&lt;/li&gt;
&lt;li&gt;View → Section Details… &lt;b&gt;F2&lt;/b&gt;: the section drawn to scale, its properties (gross, and net after the corrosion deduction Δt) and the plate-by-plate working table&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;The details window can also copy the drawing &lt;b&gt;Ctrl+Shift+D&lt;/b&gt; and export it (SVG)… &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;,
and holds the sheet heading printed at the top of each calculation sheet.&lt;/p&gt;
&lt;h4&gt;Bulb flat with attached plating&lt;/h4&gt;
&lt;p&gt;Tools → Bulb Flat with Attached Plating: choose or type one of the 59 listed bulb flats (such as HP 200×10),
or choose a flat bar and enter its height and thickness; then enter the plating&apos;s breadth, thickness and the span, and press Calculate.
Edit → Copy Results &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;.&lt;/p&gt;
&lt;h4&gt;Hull girder section modulus table&lt;/h4&gt;
&lt;p&gt;Tools → Hull Girder Section Modulus Table: one member per row (a plate, a profile or a free member); enter the depth D, whether it is a half section, and the corrosion deduction Δt;
the results (gross and net scantlings) follow every edit. The table is saved as a CSV file and can be opened directly with &lt;code&gt;corvane FILE&lt;/code&gt;.
Edit → Insert Row &lt;b&gt;Insert&lt;/b&gt;, Delete Row &lt;b&gt;Ctrl+Delete&lt;/b&gt;, Duplicate Row &lt;b&gt;Ctrl+D&lt;/b&gt;, Move Up/Down &lt;b&gt;Alt+↑/↓&lt;/b&gt;,
Undo &lt;b&gt;Ctrl+Z&lt;/b&gt;, Redo &lt;b&gt;Ctrl+Y&lt;/b&gt;; Copy Rows &lt;b&gt;Ctrl+C&lt;/b&gt; and Paste &lt;b&gt;Ctrl+V&lt;/b&gt; (filled in from the current cell),
Paste as New Rows &lt;b&gt;Ctrl+Shift+V&lt;/b&gt;, exchanging with spreadsheets (tab-separated). A cell that cannot be read is coloured, the mouse resting on it shows why, and its row is left out of the totals.
File → Export Calculation Sheet (PDF)… &lt;b&gt;Ctrl+E&lt;/b&gt;, Print Calculation Sheet… &lt;b&gt;Ctrl+P&lt;/b&gt;.&lt;/p&gt;
&lt;h4&gt;Batch calculation&lt;/h4&gt;
&lt;p&gt;The command-line tool &lt;code&gt;corvane-batch&lt;/code&gt; computes a CSV table row by row with the same methods;
see &lt;code&gt;corvane-batch --help&lt;/code&gt; and &lt;code&gt;man corvane-batch&lt;/code&gt;.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>corvane::frmAbout</name>
    <message>
        <source>说明：1、船体结构剖面模数计算器适用于船体强力构件，如强肋骨、舷侧纵桁等。</source>
        <translation>Notes: 1. The hull section calculator suits primary members such as web frames and stringers.</translation>
    </message>
    <message>
        <source>2、组合型材剖面模数计算器适用于各类工字梁、T型材。</source>
        <translation>2. The built-up calculator suits I-beams and T-profiles.</translation>
    </message>
    <message>
        <source>Corvane 图标</source>
        <translation>Corvane icon</translation>
    </message>
    <message>
        <source>停靠码头的高速客运双体船</source>
        <translation>A high-speed passenger catamaran at the quay</translation>
    </message>
    <message>
        <source>戴学位帽的毕业生</source>
        <translation>A graduate in a mortarboard</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>关于 </source>
        <translation>About </translation>
    </message>
    <message>
        <source>版本 </source>
        <translation>Ver. </translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation>System information is not available now</translation>
    </message>
    <message>
        <source>作者：Corvane 开发组，组员历年毕业于船舶院校，供职于船舶设计单位。经验交流E-mail：%1。</source>
        <translation>Authors: the Corvane team, naval architecture graduates working in ship design. E-mail: %1.</translation>
    </message>
</context>
</TS>
