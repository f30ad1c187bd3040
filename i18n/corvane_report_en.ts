<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>corvane::CalcSheet</name>
    <message>
        <source>一</source>
        <translation>1</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2</translation>
    </message>
    <message>
        <source>三</source>
        <translation>3</translation>
    </message>
    <message>
        <source>四</source>
        <translation>4</translation>
    </message>
    <message>
        <source>五</source>
        <translation>5</translation>
    </message>
    <message>
        <source>六</source>
        <translation>6</translation>
    </message>
    <message>
        <source>七</source>
        <translation>7</translation>
    </message>
    <message>
        <source>八</source>
        <translation>8</translation>
    </message>
    <message>
        <source>九</source>
        <translation>9</translation>
    </message>
    <message>
        <source>十</source>
        <translation>10</translation>
    </message>
    <message>
        <source>项目：%1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>剖面图  比例 %1</source>
        <translation>Section  Scale %1</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>日期：%1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>%1 计算书</source>
        <translation>%1 – Calculation Sheet</translation>
    </message>
    <message>
        <source>程序：%1</source>
        <translation>Program: %1</translation>
    </message>
    <message>
        <source>%1 计算书（续）</source>
        <translation>%1 – Calculation Sheet (continued)</translation>
    </message>
    <message>
        <source>第 %1 页 / 共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>corvane::GirderDrawing</name>
    <message>
        <source>基线</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>甲板线 D = %1 m</source>
        <translation>Deck line D = %1 m</translation>
    </message>
    <message>
        <source>中和轴 z = %1 m</source>
        <translation>Neutral axis z = %1 m</translation>
    </message>
    <message>
        <source>毛尺寸；每行构件只绘一件（n 件不重复绘出）</source>
        <translation>Gross; one member drawn per row (n not repeated)</translation>
    </message>
    <message>
        <source>%1；⊕ 自由构件</source>
        <translation>%1; ⊕ free member</translation>
    </message>
</context>
<context>
    <name>corvane::GirderSheet</name>
    <message>
        <source>每行：面积 A = n·a (cm²)，形心距基线 z (m)，A·z (cm²·m)，A·z² (cm²·m²)，自身惯性矩 i₀ 为 n 件之和 (cm⁴ 除以 10⁴ 换算为 cm²·m²)；n 为同一构件的件数，a 为一件的面积。</source>
        <translation>Each row: area A = n·a (cm²), centroid above baseline z (m), A·z (cm²·m), A·z² (cm²·m²), own moment of inertia i₀ of the n members (cm⁴ / 10⁴ gives cm²·m²); n like members of area a each.</translation>
    </message>
    <message>
        <source>板：厚度中线自 (y1, z1) 至 (y2, z2)，长 L，厚 t，与水平线夹角 θ；a = L·t，i₀ = (L·t/12)(L²·sin²θ + t²·cos²θ)。水平、竖直与斜板同一公式。</source>
        <translation>Plate: mid-thickness line from (y1, z1) to (y2, z2), length L, thickness t, angle θ to the horizontal; a = L·t, i₀ = (L·t/12)(L²·sin²θ + t²·cos²θ). One formula for horizontal, vertical and inclined plates.</translation>
    </message>
    <message>
        <source>型材（球扁钢、扁钢、组合型材）：面积、形心与 i₀ 与各型材窗口同一计算，只计型材本身（带板另列为板行，全宽有效）；趾端在 (y1, z1)，朝上或朝下。</source>
        <translation>Profile (bulb flat, flat bar, built-up): area, centroid and i₀ as the profile windows compute them, the profile alone (its plating is a plate row, fully effective); toe at (y1, z1), pointing up or down.</translation>
    </message>
    <message>
        <source>自由构件：按输入的 A (cm²)、形心高度 z (mm) 与 i₀ (cm⁴) 计入，毛、净尺寸相同。</source>
        <translation>Free member: counted with the A (cm²), centroid height z (mm) and i₀ (cm⁴) entered, the same gross and net.</translation>
    </message>
    <message>
        <source>半剖面：表中只列一舷，各项合计乘 2；标为中线的构件（龙骨板、中桁材等）只计一次。</source>
        <translation>Half section: one side listed, every sum × 2; members marked centreline (keel plate, centre girder, ...) count once.</translation>
    </message>
    <message>
        <source>全剖面：各行按所列计入合计。</source>
        <translation>Full section: every row counts as listed.</translation>
    </message>
    <message>
        <source>zNA = ΣA·z / ΣA，I = ΣA·z² + Σi₀ − zNA·ΣA·z (cm²·m²，1 cm²·m² = 10⁻⁴ m⁴)；WD = I / |D − zNA|，WB = I / zNA，Wmin 取二者较小者。</source>
        <translation>zNA = ΣA·z / ΣA, I = ΣA·z² + Σi₀ − zNA·ΣA·z (cm²·m², 1 cm²·m² = 10⁻⁴ m⁴); WD = I / |D − zNA|, WB = I / zNA, Wmin the smaller of the two.</translation>
    </message>
    <message>
        <source>净尺寸：板厚与型材厚度各减去腐蚀扣除 Δt（表的 Δt，行内另给者按该行），与型材窗口的扣除相同。</source>
        <translation>Net scantlings: plate and profile thicknesses less the corrosion deduction Δt (the table&apos;s, or the row&apos;s own), as the profile windows deduct it.</translation>
    </message>
    <message>
        <source>数值：A、A·z、A·z²、i₀、I 与 W 按 cm 制单位舍入到百分位，m⁴、m³ 为同一数值移位；z 以 m 计舍入到毫米（三位小数）；无法计算的值记为“—”。</source>
        <translation>Figures: A, A·z, A·z², i₀, I and W rounded to hundredths in cm-based units, m⁴ and m³ the same figures shifted; z in m to the millimetre (three decimals); a value that cannot be formed is “—”.</translation>
    </message>
    <message>
        <source>输入数据</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>型深（甲板线距基线）</source>
        <translation>Depth (deck line)</translation>
    </message>
    <message>
        <source>半剖面</source>
        <translation>Half section</translation>
    </message>
    <message>
        <source>是</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>no</translation>
    </message>
    <message>
        <source>腐蚀扣除</source>
        <translation>Corrosion deduction</translation>
    </message>
    <message>
        <source>构件行数</source>
        <translation>Member rows</translation>
    </message>
    <message>
        <source>构件计算表（净尺寸，Δt = %1 mm）</source>
        <translation>Member working table (net scantlings, Δt = %1 mm)</translation>
    </message>
    <message>
        <source>构件计算表（毛尺寸）</source>
        <translation>Member working table (gross scantlings)</translation>
    </message>
    <message>
        <source>剖面/尺寸栏为毛尺寸；各行按减去 Δt 后的厚度计算。</source>
        <translation>The section/size column gives gross scantlings; each row is computed with its thicknesses less Δt.</translation>
    </message>
    <message>
        <source>型材 ↑ / ↓：自趾端朝上 / 朝下。</source>
        <translation>Profile ↑ / ↓: pointing up / down from its toe.</translation>
    </message>
    <message>
        <source>计算结果（毛尺寸与净尺寸）</source>
        <translation>Results (gross and net scantlings)</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>表的 Δt 应为不小于 0 的数，无净尺寸结果。</source>
        <translation>The table&apos;s Δt must be a number not below 0: no net results.</translation>
    </message>
    <message>
        <source>净尺寸：%1</source>
        <translation>Net scantlings: %1</translation>
    </message>
</context>
<context>
    <name>corvane::GirderText</name>
    <message>
        <source>zh</source>
        <comment>language of the texts</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>板</source>
        <translation>plate</translation>
    </message>
    <message>
        <source>型材</source>
        <translation>profile</translation>
    </message>
    <message>
        <source>自由构件</source>
        <translation>free</translation>
    </message>
    <message>
        <source>构件</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>剖面/尺寸 (mm)</source>
        <translation>Section/size (mm)</translation>
    </message>
    <message>
        <source>给定 A、z、i₀</source>
        <translation>given A, z, i₀</translation>
    </message>
    <message>
        <source>%1（中线）</source>
        <translation>%1 (CL)</translation>
    </message>
    <message>
        <source>略去：%1</source>
        <translation>left out: %1</translation>
    </message>
    <message>
        <source>合计（两舷，中线构件计一次）</source>
        <translation>Sum (both sides, centreline members once)</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>计入合计的行数</source>
        <translation>Rows counted</translation>
    </message>
    <message>
        <source>略去的行数（无法计算）</source>
        <translation>Rows left out (cannot be computed)</translation>
    </message>
    <message>
        <source>总面积 A (cm²)</source>
        <translation>Total area A (cm²)</translation>
    </message>
    <message>
        <source>中和轴距基线 z_NA (m)</source>
        <translation>Neutral axis above baseline z_NA (m)</translation>
    </message>
    <message>
        <source>中和轴距基线 z_NA (cm)</source>
        <translation>Neutral axis above baseline z_NA (cm)</translation>
    </message>
    <message>
        <source>惯性矩 I (cm²·m²)</source>
        <translation>Moment of inertia I (cm²·m²)</translation>
    </message>
    <message>
        <source>惯性矩 I (m⁴)</source>
        <translation>Moment of inertia I (m⁴)</translation>
    </message>
    <message>
        <source>甲板处剖面模数 W_D (m³)</source>
        <translation>Section modulus at deck W_D (m³)</translation>
    </message>
    <message>
        <source>甲板处剖面模数 W_D (cm³)</source>
        <translation>Section modulus at deck W_D (cm³)</translation>
    </message>
    <message>
        <source>基线处剖面模数 W_B (m³)</source>
        <translation>Section modulus at baseline W_B (m³)</translation>
    </message>
    <message>
        <source>基线处剖面模数 W_B (cm³)</source>
        <translation>Section modulus at baseline W_B (cm³)</translation>
    </message>
    <message>
        <source>最小剖面模数 W_min (m³)</source>
        <translation>Minimum section modulus W_min (m³)</translation>
    </message>
    <message>
        <source>最小剖面模数 W_min (cm³)</source>
        <translation>Minimum section modulus W_min (cm³)</translation>
    </message>
    <message>
        <source>有 %1 行无法计算，未计入合计。</source>
        <translation>%1 row(s) cannot be computed and are left out of the sums.</translation>
    </message>
</context>
<context>
    <name>corvane::SectionDrawing</name>
    <message>
        <source>距中和轴 %1</source>
        <translation>%1 to N.A.</translation>
    </message>
    <message>
        <source>外表面  %1</source>
        <translation>Outer surface  %1</translation>
    </message>
    <message>
        <source>中和轴（过圆心）</source>
        <translation>Neutral axis (centre)</translation>
    </message>
    <message>
        <source>D = %1  t = %2  d = %3  （尺寸单位 mm）</source>
        <translation>D = %1  t = %2  d = %3  (dimensions in mm)</translation>
    </message>
    <message>
        <source>带板外表面  %1</source>
        <translation>Plating outer surface  %1</translation>
    </message>
    <message>
        <source>中和轴  距带板外表面 %1</source>
        <translation>Neutral axis  %1 from plating outer surface</translation>
    </message>
    <message>
        <source>球头顶端  %1</source>
        <translation>Bulb top  %1</translation>
    </message>
    <message>
        <source>扁钢自由边  %1</source>
        <translation>Flat bar free edge  %1</translation>
    </message>
    <message>
        <source>k·b = b（斜线）</source>
        <translation>k·b = b (hatched)</translation>
    </message>
    <message>
        <source>%1  （尺寸单位 mm）</source>
        <translation>%1  (dimensions in mm)</translation>
    </message>
    <message>
        <source>中和轴</source>
        <translation>Neutral axis</translation>
    </message>
    <message>
        <source>%1外表面</source>
        <translation>%1 outer surface</translation>
    </message>
    <message>
        <source>上缘</source>
        <translation>Top edge</translation>
    </message>
    <message>
        <source>下缘</source>
        <translation>Bottom edge</translation>
    </message>
    <message>
        <source>%1中线(W)</source>
        <translation>%1 mid-line (W)</translation>
    </message>
    <message>
        <source>腹板自由边(W)</source>
        <translation>Web free edge (W)</translation>
    </message>
    <message>
        <source>中和轴  e = %1</source>
        <translation>Neutral axis  e = %1</translation>
    </message>
    <message>
        <source>%1  过薄板件按 1 像素绘出</source>
        <translation>%1  plates too thin drawn 1 pixel wide</translation>
    </message>
</context>
<context>
    <name>corvane::SectionSheet</name>
    <message>
        <source>带板有效宽度 k·b，k = %1，k 不大于 1（带板最多按全宽计）；本例 ℓ/b = %2，k = %3，k·b = %4 mm。</source>
        <translation>Effective breadth k·b, k = %1, not above 1; here ℓ/b = %2, k = %3, k·b = %4 mm.</translation>
    </message>
    <message>
        <source>带板面积按有效宽度 k·b 计，带板自身惯性矩按全宽 b 计；e = Σ(Aᵢyᵢ) / A，I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e²。</source>
        <translation>Plating area over k·b, own moment of inertia over the full b; e = Σ(Aᵢyᵢ) / A, I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e².</translation>
    </message>
    <message>
        <source>无面板，参考线为腹板自由边：yᵢ 与 e 自腹板自由边量起，计算器的剖面模数 W = I / e 取在腹板自由边处；带板外表面处的剖面模数另行列出。</source>
        <translation>No face plate: yᵢ and e are measured from the web&apos;s free edge, the reference line, and the calculator&apos;s W = I / e is taken there; the modulus at the plating&apos;s outer surface is listed separately.</translation>
    </message>
    <message>
        <source>参考线为面板中线：yᵢ 与 e 自面板中线量起，计算器的剖面模数 W = I / e 取在面板中线处，不是外表面处；两外表面处的剖面模数另行列出。</source>
        <translation>Reference line: the face plate&apos;s mid-line; yᵢ and e are measured from it and the calculator&apos;s W = I / e is taken there, not at the outer surface; the moduli at both outer surfaces are listed separately.</translation>
    </message>
    <message>
        <source>型材 %1（球扁钢）：外形由直线与圆弧组成，球头伸出腹板面 c = %2 mm，圆角与过渡圆弧半径 r = %3 mm，侧面与水平成 30°；面积、形心与自身惯性矩按外形逐段精确积分，不以多边形近似。</source>
        <translation>Profile %1 (bulb flat): straight lines and arcs, bulb overhang c = %2 mm beyond the web, fillet and transition radius r = %3 mm, flank at 30° to the horizontal; area, centroid and own moment of inertia integrated exactly over the outline, not over a polygon.</translation>
    </message>
    <message>
        <source>型材 %1（扁钢）：矩形 h × t。</source>
        <translation>Profile %1 (flat bar): a rectangle h × t.</translation>
    </message>
    <message>
        <source>带板有效宽度 k·b，k = %1，k 不大于 1；本例 ℓ/b = %2，k = %3，k·b = %4 mm。带板面积按 k·b 计，自身惯性矩按全宽 b 计。</source>
        <translation>Effective breadth k·b, k = %1, k not above 1; here ℓ/b = %2, k = %3, k·b = %4 mm. Plating area over k·b, its own moment of inertia over the full breadth b.</translation>
    </message>
    <message>
        <source>yᵢ 与 e 自球头顶端量起，e = Σ(Aᵢyᵢ) / A，I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e²；球头顶端与带板外表面两处的剖面模数取小者。</source>
        <translation>yᵢ and e from the bulb top, e = Σ(Aᵢyᵢ) / A, I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e²; the smaller modulus of bulb top and plating outer surface governs.</translation>
    </message>
    <message>
        <source>净尺寸：带板厚 t_p 与型材厚 t 各减去 Δt，h、c、r 不变：净球扁钢即厚度为 t - Δt 的同一外形。</source>
        <translation>Net scantlings: t_p and t each less Δt, h, c and r unchanged: the net bulb flat is the same outline at t - Δt.</translation>
    </message>
    <message>
        <source>净尺寸：带板厚 t_p 与扁钢厚 t 各减去 Δt，高度 h 不变。</source>
        <translation>Net scantlings: t_p and the flat bar&apos;s t each less Δt, height h unchanged.</translation>
    </message>
    <message>
        <source>剖面由面板1、腹板、面板2 三块矩形板叠成，各板中心在同一竖直轴上。</source>
        <translation>Three rectangular plates, face plate 1, web and face plate 2, centred on one vertical axis.</translation>
    </message>
    <message>
        <source>e = Σ(Aᵢyᵢ) / A，I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e²。</source>
        <translation>e = Σ(Aᵢyᵢ) / A, I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e².</translation>
    </message>
    <message>
        <source>参考线为面板2中线：yᵢ 与 e 自面板2中线量起，计算器的剖面模数 W = I / e 取在面板2中线处，不是外表面处；两外表面处的剖面模数另行列出。</source>
        <translation>Reference line: face plate 2&apos;s mid-line; yᵢ and e are measured from it and the calculator&apos;s W = I / e is taken there, not at the outer surface; the moduli at both outer surfaces are listed separately.</translation>
    </message>
    <message>
        <source>A = π·[(D/2)² - (D/2 - t)²]，I = π·[D⁴ - (D - 2t)⁴] / 64，i = √(I/A)，W = I / (D/2)；尺寸换算为 cm 计算。</source>
        <translation>A = π·[(D/2)² - (D/2 - t)²], I = π·[D⁴ - (D - 2t)⁴] / 64, i = √(I/A), W = I / (D/2), in cm.</translation>
    </message>
    <message>
        <source>每米质量 m = π·(D - t)·t·%1 / 10 (kg/m)；常数 π 取 %2，钢材密度取 %1 t/m³。</source>
        <translation>Mass per metre m = π·(D - t)·t·%1 / 10 (kg/m); π = %2, steel density %1 t/m³.</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>输入数据</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>计算表（毛尺寸与净尺寸）</source>
        <translation>Working table (gross and net scantlings)</translation>
    </message>
    <message>
        <source>计算表</source>
        <translation>Working table</translation>
    </message>
    <message>
        <source>剖面特性与计算结果</source>
        <translation>Section properties and results</translation>
    </message>
</context>
<context>
    <name>corvane::SectionText</name>
    <message>
        <source>＊</source>
        <translation>*</translation>
    </message>
    <message>
        <source>中和轴距腹板自由边 e (cm)</source>
        <translation>Neutral axis from web free edge e (cm)</translation>
    </message>
    <message>
        <source>剖面模数（腹板自由边） W (cm³)</source>
        <translation>Section modulus (web free edge) W (cm³)</translation>
    </message>
    <message>
        <source>腹板自由边距中和轴 (cm)</source>
        <translation>Web free edge from neutral axis (cm)</translation>
    </message>
    <message>
        <source>剖面模数（腹板自由边） (cm³)</source>
        <translation>Section modulus (web free edge) (cm³)</translation>
    </message>
    <message>
        <source>型材每米质量（腹板） (kg/m)</source>
        <translation>Profile mass per metre (web) (kg/m)</translation>
    </message>
    <message>
        <source>剖面详图 — %1</source>
        <translation>Section Details — %1</translation>
    </message>
    <message>
        <source>输入：%1 (mm)</source>
        <translation>Input: %1 (mm)</translation>
    </message>
    <message>
        <source>yᵢ 距圆心 (cm)</source>
        <translation>yᵢ from centre (cm)</translation>
    </message>
    <message>
        <source>yᵢ 距参考线 (cm)</source>
        <translation>yᵢ from ref. line (cm)</translation>
    </message>
    <message>
        <source>板件</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>（净）</source>
        <translation> (net)</translation>
    </message>
    <message>
        <source>毛尺寸</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>净尺寸 (Δt = %1 mm)</source>
        <translation>Net (Δt = %1 mm)</translation>
    </message>
    <message>
        <source>%1厚度 %2 mm 扣除 Δt = %3 mm 后不大于零，无净尺寸剖面。</source>
        <translation>The %1 thickness %2 mm less Δt = %3 mm is not above zero: no net section.</translation>
    </message>
    <message>
        <source>扣除 Δt = %1 mm 后剖面无确定结果，无净尺寸剖面。</source>
        <translation>Less Δt = %1 mm the section has no definite result: no net section.</translation>
    </message>
    <message>
        <source>Δt 应为不小于 0 的数（小数点用“.”），无净尺寸剖面。</source>
        <translation>Δt must be a number not below 0 (decimal point “.”): no net section.</translation>
    </message>
    <message>
        <source>%1 与计算器窗口显示的结果相同（同一计算，同一舍入）。</source>
        <translation>%1 As the calculator window shows it (same computation, same rounding).</translation>
    </message>
    <message>
        <source>质量按实际面积、钢材密度 %1 t/m³ 计。</source>
        <translation>mass from the actual areas at %1 t/m³.</translation>
    </message>
    <message>
        <source>带板的面积按有效宽度 k·b 计（k = %1，不大于 1），其自身惯性矩 I₀ 却按全宽 b 计：表中列出的是计算器实际所用的值。</source>
        <translation>Plating area over k·b (k = %1, not above 1), its own I₀ over the full breadth b, as the calculator takes them.</translation>
    </message>
    <message>
        <source>无面板：参考线为腹板自由边，yᵢ 自腹板自由边量起；计算器的剖面模数 W 以腹板自由边为准。</source>
        <translation>No face plate: yᵢ from the web&apos;s free edge, the reference line; the calculator&apos;s W refers to it.</translation>
    </message>
    <message>
        <source>yᵢ 自面板中线量起；计算器的剖面模数 W 以面板中线为准，不是外表面处的剖面模数。</source>
        <translation>yᵢ from the face plate&apos;s mid-line; the calculator&apos;s W refers to it, not to the outer surface.</translation>
    </message>
    <message>
        <source>yᵢ 自面板2中线量起；计算器的剖面模数 W 以面板2中线为准，不是外表面处的剖面模数。</source>
        <translation>yᵢ from face plate 2&apos;s mid-line; the calculator&apos;s W refers to it, not to the outer surface.</translation>
    </message>
    <message>
        <source>带板的面积按有效宽度 k·b 计（k = %1，不大于 1），其自身惯性矩 I₀ 却按全宽 b 计；型材的面积、形心与自身惯性矩按其外形（直线与圆弧）精确积分。</source>
        <translation>Plating area over k·b (k = %1, not above 1), its own I₀ over the full b; the profile integrated exactly over its outline.</translation>
    </message>
    <message>
        <source>yᵢ 与 e 自球头顶端量起；窗口所示 e 自带板外表面量起。</source>
        <translation>yᵢ and e from the bulb top; the window&apos;s e is from the plating&apos;s outer surface.</translation>
    </message>
    <message>
        <source>净尺寸：型材厚 t 与带板厚 t_p 各减去 Δt，型材高度 h 与球头 c、r 不变，净球扁钢即 t - Δt 的同一外形；</source>
        <translation>Net scantlings: t and t_p each less Δt, h and the bulb&apos;s c, r unchanged, the net bulb flat the same outline at t - Δt; </translation>
    </message>
    <message>
        <source>计算取 π = %1，钢材密度 %2 t/m³。</source>
        <translation>Computed with π = %1, steel density %2 t/m³.</translation>
    </message>
    <message>
        <source>净尺寸：壁厚自内壁减去 Δt，外径不变；</source>
        <translation>Net scantlings: the wall less Δt from the inside, outer diameter unchanged; </translation>
    </message>
    <message>
        <source>净尺寸：各板厚减去 Δt，宽度与高度不变；</source>
        <translation>Net scantlings: each plate thickness less Δt, breadths and heights unchanged; </translation>
    </message>
</context>
</TS>
