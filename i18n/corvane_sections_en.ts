<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>SectionKind</name>
    <message>
        <source>型材带板宽度(mm)</source>
        <translation>Plate width(mm)</translation>
    </message>
    <message>
        <source>型材带板宽度</source>
        <translation>Plating breadth</translation>
    </message>
    <message>
        <source>型材带板厚度(mm)</source>
        <translation>Plate thk(mm)</translation>
    </message>
    <message>
        <source>型材带板厚度</source>
        <translation>Plating thickness</translation>
    </message>
    <message>
        <source>型材腹板高度(mm)</source>
        <translation>Web height(mm)</translation>
    </message>
    <message>
        <source>型材腹板高度</source>
        <translation>Web height</translation>
    </message>
    <message>
        <source>型材腹板厚度(mm)</source>
        <translation>Web thk(mm)</translation>
    </message>
    <message>
        <source>型材腹板厚度</source>
        <translation>Web thickness</translation>
    </message>
    <message>
        <source>型材面板宽度(mm)</source>
        <translation>Face width(mm)</translation>
    </message>
    <message>
        <source>型材面板宽度</source>
        <translation>Face plate breadth</translation>
    </message>
    <message>
        <source>型材面板厚度(mm)</source>
        <translation>Face thk(mm)</translation>
    </message>
    <message>
        <source>型材面板厚度</source>
        <translation>Face plate thickness</translation>
    </message>
    <message>
        <source>型材带板长度(mm)</source>
        <translation>Span(mm)</translation>
    </message>
    <message>
        <source>型材带板长度（跨距）</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>极惯性矩(cm4)</source>
        <translation>Inertia I(cm4)</translation>
    </message>
    <message>
        <source>剖面模数(cm3)</source>
        <translation>Modulus W(cm3)</translation>
    </message>
    <message>
        <source>带板</source>
        <translation>attached plating</translation>
    </message>
    <message>
        <source>腹板</source>
        <translation>web</translation>
    </message>
    <message>
        <source>面板</source>
        <translation>face plate</translation>
    </message>
    <message>
        <source>有效宽度系数 k</source>
        <translation>Effective breadth factor k</translation>
    </message>
    <message>
        <source>有效带板宽度 k·b (mm)</source>
        <translation>Effective breadth k·b (mm)</translation>
    </message>
    <message>
        <source>计算所用剖面积 A (cm²)</source>
        <translation>Sectional area used A (cm²)</translation>
    </message>
    <message>
        <source>中和轴距面板中线 e (cm)</source>
        <translation>Neutral axis from face plate mid-line e (cm)</translation>
    </message>
    <message>
        <source>惯性矩 I (cm⁴)</source>
        <translation>Moment of inertia I (cm⁴)</translation>
    </message>
    <message>
        <source>剖面模数（面板中线） W (cm³)</source>
        <translation>Section modulus (face plate mid-line) W (cm³)</translation>
    </message>
    <message>
        <source>带板外表面距中和轴 (cm)</source>
        <translation>Plating outer surface from neutral axis (cm)</translation>
    </message>
    <message>
        <source>剖面模数（带板外表面） (cm³)</source>
        <translation>Section modulus (plating outer surface) (cm³)</translation>
    </message>
    <message>
        <source>面板外表面距中和轴 (cm)</source>
        <translation>Face plate outer surface from neutral axis (cm)</translation>
    </message>
    <message>
        <source>剖面模数（面板外表面） (cm³)</source>
        <translation>Section modulus (face plate outer surface) (cm³)</translation>
    </message>
    <message>
        <source>最小剖面模数 (cm³)</source>
        <translation>Minimum section modulus (cm³)</translation>
    </message>
    <message>
        <source>惯性半径 √(I/A) (cm)</source>
        <translation>Radius of gyration √(I/A) (cm)</translation>
    </message>
    <message>
        <source>型材每米质量（腹板与面板） (kg/m)</source>
        <translation>Profile mass per metre (web and face plate) (kg/m)</translation>
    </message>
    <message>
        <source>带板每米质量（全宽） (kg/m)</source>
        <translation>Plating mass per metre (full breadth) (kg/m)</translation>
    </message>
    <message>
        <source>面板1宽度</source>
        <translation>Face plate 1 breadth</translation>
    </message>
    <message>
        <source>面板1厚度</source>
        <translation>Face plate 1 thickness</translation>
    </message>
    <message>
        <source>腹板高度</source>
        <translation>Web height</translation>
    </message>
    <message>
        <source>腹板厚度</source>
        <translation>Web thickness</translation>
    </message>
    <message>
        <source>面板2宽度</source>
        <translation>Face plate 2 breadth</translation>
    </message>
    <message>
        <source>面板2厚度</source>
        <translation>Face plate 2 thickness</translation>
    </message>
    <message>
        <source>面板1</source>
        <translation>face plate 1</translation>
    </message>
    <message>
        <source>面板2</source>
        <translation>face plate 2</translation>
    </message>
    <message>
        <source>剖面积 A (cm²)</source>
        <translation>Sectional area A (cm²)</translation>
    </message>
    <message>
        <source>中和轴距面板2中线 e (cm)</source>
        <translation>Neutral axis from face plate 2 mid-line e (cm)</translation>
    </message>
    <message>
        <source>剖面模数（面板2中线） W (cm³)</source>
        <translation>Section modulus (face plate 2 mid-line) W (cm³)</translation>
    </message>
    <message>
        <source>面板1外表面距中和轴 (cm)</source>
        <translation>Face plate 1 outer surface from neutral axis (cm)</translation>
    </message>
    <message>
        <source>剖面模数（面板1外表面） (cm³)</source>
        <translation>Section modulus (face plate 1 outer surface) (cm³)</translation>
    </message>
    <message>
        <source>面板2外表面距中和轴 (cm)</source>
        <translation>Face plate 2 outer surface from neutral axis (cm)</translation>
    </message>
    <message>
        <source>剖面模数（面板2外表面） (cm³)</source>
        <translation>Section modulus (face plate 2 outer surface) (cm³)</translation>
    </message>
    <message>
        <source>每米质量 (kg/m)</source>
        <translation>Mass per metre (kg/m)</translation>
    </message>
    <message>
        <source>钢管外径(mm)</source>
        <translation>Outer D(mm)</translation>
    </message>
    <message>
        <source>钢管外径</source>
        <translation>Pipe outer diameter</translation>
    </message>
    <message>
        <source>钢管壁厚(mm)</source>
        <translation>Wall thk(mm)</translation>
    </message>
    <message>
        <source>钢管壁厚</source>
        <translation>Pipe wall thickness</translation>
    </message>
    <message>
        <source>剖面积(cm2)</source>
        <translation>Area(cm2)</translation>
    </message>
    <message>
        <source>惯性半径(cm)</source>
        <translation>Radius of gyration(cm)</translation>
    </message>
    <message>
        <source>惯性矩(cm4)</source>
        <translation>Inertia I(cm4)</translation>
    </message>
    <message>
        <source>每米钢管质量(kg)</source>
        <translation>Mass per metre(kg)</translation>
    </message>
    <message>
        <source>管壁</source>
        <translation>pipe wall</translation>
    </message>
    <message>
        <source>惯性半径 i (cm)</source>
        <translation>Radius of gyration i (cm)</translation>
    </message>
    <message>
        <source>剖面模数（外表面） W (cm³)</source>
        <translation>Section modulus (outer surface) W (cm³)</translation>
    </message>
    <message>
        <source>每米质量 m (kg/m)</source>
        <translation>Mass per metre m (kg/m)</translation>
    </message>
    <message>
        <source>外表面距中和轴 D/2 (cm)</source>
        <translation>Outer surface from neutral axis D/2 (cm)</translation>
    </message>
    <message>
        <source>内径 d (mm)</source>
        <translation>Inner diameter d (mm)</translation>
    </message>
    <message>
        <source>每米外表面积 (m²/m)</source>
        <translation>Outer surface area per metre (m²/m)</translation>
    </message>
    <message>
        <source>型材高度(mm)</source>
        <translation>Profile height(mm)</translation>
    </message>
    <message>
        <source>型材高度</source>
        <translation>Profile height</translation>
    </message>
    <message>
        <source>型材厚度(mm)</source>
        <translation>Profile thickness(mm)</translation>
    </message>
    <message>
        <source>型材厚度</source>
        <translation>Profile thickness</translation>
    </message>
    <message>
        <source>球头外伸(mm)</source>
        <translation>Bulb overhang(mm)</translation>
    </message>
    <message>
        <source>球头外伸</source>
        <translation>Bulb overhang</translation>
    </message>
    <message>
        <source>球头圆弧半径(mm)</source>
        <translation>Bulb radius(mm)</translation>
    </message>
    <message>
        <source>球头圆弧半径</source>
        <translation>Bulb radius</translation>
    </message>
    <message>
        <source>中和轴距带板外表面(cm)</source>
        <translation>Neutral axis from plating(cm)</translation>
    </message>
    <message>
        <source>球头顶端剖面模数(cm3)</source>
        <translation>Modulus at bulb top(cm3)</translation>
    </message>
    <message>
        <source>带板外表面剖面模数(cm3)</source>
        <translation>Modulus at plating(cm3)</translation>
    </message>
    <message>
        <source>最小剖面模数(cm3)</source>
        <translation>Minimum section modulus(cm3)</translation>
    </message>
    <message>
        <source>型材每米质量(kg/m)</source>
        <translation>Profile mass per metre(kg/m)</translation>
    </message>
    <message>
        <source>型材</source>
        <translation>profile</translation>
    </message>
    <message>
        <source>中和轴距带板外表面 e (cm)</source>
        <translation>Neutral axis from plating outer surface e (cm)</translation>
    </message>
    <message>
        <source>剖面模数（球头顶端） (cm³)</source>
        <translation>Section modulus (bulb top) (cm³)</translation>
    </message>
    <message>
        <source>球头顶端距中和轴 (cm)</source>
        <translation>Bulb top from neutral axis (cm)</translation>
    </message>
    <message>
        <source>型材每米质量 (kg/m)</source>
        <translation>Profile mass per metre (kg/m)</translation>
    </message>
    <message>
        <source>型材规格</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>船体结构剖面</source>
        <translation>Hull stiffener section</translation>
    </message>
    <message>
        <source>组合型材</source>
        <translation>Built-up profile</translation>
    </message>
    <message>
        <source>钢管</source>
        <translation>Steel pipe</translation>
    </message>
    <message>
        <source>球扁钢带板剖面</source>
        <translation>Bulb flat with attached plating</translation>
    </message>
</context>
</TS>
