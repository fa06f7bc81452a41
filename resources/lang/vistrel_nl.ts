<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Uitlijnen op randen</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Cirkel passen</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Deeltjesanalyse</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Meten</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coördinaten</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Lijn</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Polylijn</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Rechthoek</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Veelhoek</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Parallelle lijnen</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Loodlijn</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Rasterlijnen</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Hoek</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Boog</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Cirkel</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Cirkel door 2 punten</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Cirkel door 3 punten</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Concentrische cirkels</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Twee cirkels</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Tekst</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Verplaatsen</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Verwijderen</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Dradenkruis</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Ongedaan maken</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Opnieuw</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Alles wissen</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Vormen</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Kleur</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Lettertype</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Grootte</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibratie</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Actieve kalibratie</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Bewerken</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Kalibratielijst</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Back-up</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Herstellen</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Nieuwe kalibratie</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Vergroting</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Werkelijke lengte</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Toevoegen</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Terug</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Doorgetrokken</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Gestreept</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Alle metingen verwijderen?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>gekalibreerd op %1 × %2, geschaald ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Het back-upbestand kon niet worden geschreven: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>%1 kalibraties met een ongeldige factor zijn overgeslagen.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>Het bestand bevat geen bruikbare kalibratie; de lijst is ongewijzigd.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Het bestand is onleesbaar of geen kalibratieback-up; de lijst is ongewijzigd.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>De %2 huidige kalibraties vervangen door de %1 uit het bestand?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Ook CSV opslaan</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Metingen (CSV) ook naast de opgeslagen afbeelding schrijven</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Kalibratiebestand</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Aan lijst toevoegen</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Schaal zoeken</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Zoekt de streepjes van de schaal in het beeld en legt de liniaal van het eerste tot het laatste</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Lengte van één schaaldeel</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>De kalibratie ‘%1’ staat niet meer in de lijst; nu wordt ‘%2’ gebruikt.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>De kalibratie ‘%1’ staat niet meer in de lijst; metingen worden in pixels getoond.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Niet gekalibreerd (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>uit de foto</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>De werkelijke lengte ‘%1’ is ongeldig: voer een lengte groter dan 0 in, bijv. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>De liniaal heeft geen lengte: sleep de uiteinden naar die van een bekende lengte</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Geen schaal gevonden: breng de streepjes scherp en volledig in beeld</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>USB-bandbreedte uitgeput: gebruik MJPG of een lagere resolutie, of een andere USB-poort</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Geen toestemming om %1 te openen. Installeer de udev-regel van het programma en sluit de camera opnieuw aan, of voeg uw gebruiker toe aan de groep video (sudo usermod -aG video $USER) en meld u opnieuw aan.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>De opnameknop van de microscoop is niet bruikbaar: geen toestemming om %1 te lezen. Voer deze opdracht uit en sluit de camera opnieuw aan:
%2
of voeg uw gebruiker toe aan de groep input (sudo usermod -aG input $USER) en meld u opnieuw aan.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Hervatten</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Bevriezen</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Tekst</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Geen camera gevonden. Sluit de microscoop rechtstreeks aan op een USB-poort.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Apparaatinstellingen</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Deze camera heeft geen instelbare parameters.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Standaardwaarden herstellen</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Sluiten</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Schijf vol: %1 (%2 vrij)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>De map is niet beschrijfbaar: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Schrijven mislukt: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>De map is niet beschrijfbaar: %1 (kan niet worden aangemaakt in %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Zoeken</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Ongeldige mapnaam</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Nieuwe map</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Eén niveau omhoog</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Sorteren</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Deze koppeling leidt buiten de hoofdmap en wordt niet geopend: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 bestand(en)</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 map(pen) met %2 item(s)</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 bestand(en) en %2 map(pen) met %3 item(s)</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Openen</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopiëren</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Verwijderen</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Alles verwijderen</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Naam wijzigen</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Opslaan als</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Alles opslaan als</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Bestanden kopiëren...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Gekopieerde bestanden: %1. Overgeslagen (naam bestaat al): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Niet-ondersteund bestandstype: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Kopiëren mislukt: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>%1 naar de prullenbak verplaatsen?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>%1 item(s) kunnen niet naar de prullenbak worden verplaatst (daar is geen prullenbak beschikbaar, bijvoorbeeld op een andere schijf): %2
Definitief verwijderen? Dit kan niet ongedaan worden gemaakt.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Verwijderen mislukt: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Nieuwe naam:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Ongeldige naam</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Het bestand bestaat al: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Een bestand kan niet naar zichzelf worden gekopieerd: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Een map kan niet naar zichzelf worden gekopieerd: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Het bestand bestaat al: %1
Vervangen?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Staan al in de doelmap, niet gekopieerd: %1 bestand(en).</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Er is geen programma ingesteld om dit bestand te openen: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Foto's en video's</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Foto's</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Alle bestanden</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importeren</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuleren</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Buiten de hoofdmap, niet verwijderd: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Buiten de hoofdmap, niet hernoemd: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Kan niet lezen: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Opname herstellen</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Opname wordt hersteld: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Afbeeldingen te groot, niet geïmporteerd: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Kan %1 niet hernoemen naar %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Vlakveld te donker: zet het licht aan en richt op een leeg veld</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Vlakveld overbelicht: verlaag belichting of helderheid</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Neem eerst een vlakveld op</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Opnemen mislukt: de camera stuurde geen beeld</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Vlakveldcorrectie</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Vlakveld opnemen</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Donkerbeeld opnemen</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Richt op een leeg, gelijkmatig verlicht veld en neem dan op</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Zet het licht uit of dek de lens af en neem dan op</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Bezig met opnemen…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Het apparaat is niet gestart.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Nog geen vlakveld opgenomen bij deze resolutie</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Vlakveld: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, met donkerbeeld</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Opnemen mislukt: de resolutie is gewijzigd</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>De vlakveldbeelden konden niet worden opgeslagen; de correctie geldt tot het programma sluit</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Focus stacking</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Draai aan de focusknop tot elk deel van het object scherp is geweest en druk dan opnieuw op Focus stacking.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Dieptekaart opslaan</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Voltooien</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Sluiten</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuleren</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Focus stacking</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 beelden samengevoegd (%2 bekeken)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Geen beelden om samen te voegen</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Bezig met samenvoegen...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Er loopt al een focus stacking.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Selecteer ten minste twee foto's.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Kan niet lezen: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Kan niet worden uitgelijnd: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Opgeslagen: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Focus stacking mislukt: %1</translation>
        </message>
    </context>
    <context>
        <name>HelpDialog</name>
        <message>
            <source>Orvanta Pro</source>
            <translation>Orvanta Pro</translation>
        </message>
        <message>
            <source>Version：V3.1.3</source>
            <translation>Versie: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Vistrel-ontwikkelteam. Alle rechten voorbehouden.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-mail:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Website:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>Over Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Dit programma gebruikt de volgende opensourcebibliotheken:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Passend</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coördinaten</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Opslaan mislukt</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Opslaan</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Opslaan als</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Afdrukken</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Het annotatiebestand is beschadigd en genegeerd</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Kalibratie uit de foto gebruikt: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>De originele afbeelding die wordt bewerkt kan niet worden overschreven; kies een andere bestandsnaam.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Foto's</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Kan het bestand niet openen.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>De metingen in %1 zijn niet opgeslagen. Opslaan?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Bestand</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Meetvormen worden gelezen: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Vormenbestand te groot (%1, limiet %2), niet gelezen: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Gereedschap</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Waarde</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Eenheid</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibratie</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Verwijderen</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Opslaan mislukt</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Metingen exporteren…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopiëren</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>CSV-tabel</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Resultaten in een venster tonen</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Oppervlakte</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Omtrek</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Equivalente diameter</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Max. Feret-diameter</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Min. Feret-diameter</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Rondheid</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Gemiddeld grijs</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Aantal</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Gemiddelde</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Standaardafwijking</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mozaïek</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuleren</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Sluiten</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Beweeg de tafel om het mozaïek op te bouwen; druk nogmaals om te voltooien.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Veld %1 toegevoegd</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Terug boven vastgelegd gebied: plaatsing verfijnd.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Beeld onscherp (te snel bewogen); niet toegevoegd.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Deze weergave kan niet worden geplaatst (te weinig overlap); niet toegevoegd.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>Het mozaïek zou %1 MB nodig hebben, meer dan het geheugen toelaat; niet toegevoegd.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Samenvoegen…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Er zijn minstens twee velden nodig.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mozaïek opgeslagen: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Kan niet worden geplaatst: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Samenvoegen geannuleerd.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>Het mozaïek zou %1 MB nodig hebben, meer dan het geheugen toelaat.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mozaïek niet opgeslagen: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Samenvoegen</translation>
        </message>
    </context>
    <context>
        <name>Notifier</name>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>是</source>
            <translation>Ja</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Nee</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Ja op alles</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuleren</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Opslaan</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Niet opslaan</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Bezig met analyseren…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 deeltjes</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Equivalente diameter</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Deeltjesanalyse</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Donkere objecten op licht</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Lichte objecten op donker</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Automatische drempel (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Gaten vullen</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Minimale oppervlakte (pixels)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Deeltjes aan de rand uitsluiten</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analyseren</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>De opname %1 is niet goed afgesloten en kon niet worden hersteld; ze is ongewijzigd bewaard.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>De opname %1 is niet goed afgesloten en is hersteld; ze duurt %2 seconden.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>De opname %1 is niet goed afgesloten. Het herstel vraagt %2 vrije ruimte; de schijf heeft maar %3. Maak ruimte vrij: bij de volgende start wordt ze opnieuw hersteld.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>De opname %1 is niet goed afgesloten; het herstel kon niet worden geschreven en ze is gelaten zoals ze was. De volgende start probeert het opnieuw.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>Het herstel van opname %1 is geannuleerd; het bestand is ongewijzigd bewaard en kan opnieuw worden hersteld.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Raster %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Cirkels %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Raster/cirkels %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Uit</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Raster</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Concentrische cirkels</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Raster en cirkels</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Dradenkruis</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Geen kalibratie: geen dradenkruis mogelijk</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Linksboven</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Rechtsboven</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Linksonder</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Rechtsonder</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Positie</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Geen kalibratie: geen schaalbalk</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Fotomap</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Bladeren...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Videomap</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuleren</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>De starttijd moet later zijn dan de huidige tijd.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Starttijd</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Interval</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Cliplengte</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Totaal aantal</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Gemaakt</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Starten</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Stoppen</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Sluiten</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Nu starten</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Laatste stap ongedaan maken</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Opnieuw</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Geselecteerde vorm verwijderen</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Vorm in aanmaak annuleren; anders volledig scherm verlaten</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto maken</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Opname starten of stoppen</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>scrollwiel</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Zoomen rond de muisaanwijzer</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Sneltoetsen</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Ongedaan maken</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Passend</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Kan het apparaat niet starten.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Het apparaat is niet gestart.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Opname stoppen</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Kan het bestand niet openen.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc: volledig scherm verlaten</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Afbeelding opgeslagen</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Beeldsnelheid</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coördinaten</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>De getimede fotoreeks is gestopt.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>De getimede fotoreeks is gestopt: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>De foto is niet opgeslagen: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Volgende foto over %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Er loopt een opname. Stoppen en afsluiten?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>Camera "%1" is losgekoppeld.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>De opname is opgeslagen: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>In grote weergave tonen</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Camera sluiten</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Afbeelding uit bestand…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Er loopt een opname. Voor de weergave met vier vensters moet die stoppen. Opname stoppen?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Kan niet worden gewijzigd tijdens het opnemen; stop eerst de opname.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Volledig scherm</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Bewerken</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Het programma draait al met dezelfde instellingen; het venster is naar voren gehaald.
Nog een venster alleen-lezen openen? Een alleen-lezen venster slaat geen instellingen op.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>De opslagmap ligt buiten de hoofdmap; er is niets opgeslagen: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Instellingen kunnen niet worden opgeslagen: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Instellingen kunnen niet in %1 worden opgeslagen. Wijzigingen (ook kalibraties) worden voorlopig niet bewaard; het programma blijft het proberen. Controleer de rechten van de map en de vrije ruimte.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Geplande opname gestopt: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Fragment onvolledig, niet meegeteld: %1 heeft maar %2 van %3 beelden.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>Opnemen is niet mogelijk in de weergave met vier vakken; schakel eerst naar de enkele weergave.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>De instellingen konden niet in %1 worden opgeslagen; de wijzigingen van deze sessie gaan verloren.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Geen beeld van %1 sinds %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>De opname is onverwacht gestopt, om onbekende reden.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>De opname is gestopt: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>De meeste beelden van %1 kunnen niet worden gedecodeerd</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>De opname loopt door, aangevuld met het laatste beeld</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Intervalopname</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Volledig scherm</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Weergave wisselen</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Instellingen</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Meten</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Bestanden bekijken</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Apparaat:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Indeling:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Resolutie:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Foto:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Video:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Belichting en versterking</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Kleuraanpassing</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Witbalans</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Spiegelen</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Standaardwaarden herstellen</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Geavanceerde instellingen</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Bestand</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Opties</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Datum/tijd</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Dradenkruis</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Taal</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Afsluiten</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Over</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Timerinstellingen</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importeren</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Resolutie</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Aan</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Uit</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Fotomap</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Videomap</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Afdrukken</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Selecteer en open eerst de doelmap: rechtsboven ‘Bestanden bekijken’ → ‘Foto’ → ‘image’ of ‘Bestanden bekijken’ → ‘Video’ → ‘movie’.</translation>
        </message>
        <message>
            <source>中文</source>
            <translation>简体中文</translation>
        </message>
        <message>
            <source>英语</source>
            <translation>English</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>繁體中文</translation>
        </message>
        <message>
            <source>法国</source>
            <translation>Français</translation>
        </message>
        <message>
            <source>意大</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>日语</source>
            <translation>日本語</translation>
        </message>
        <message>
            <source>韩语</source>
            <translation>한국어</translation>
        </message>
        <message>
            <source>俄语</source>
            <translation>Русский</translation>
        </message>
        <message>
            <source>德语</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>葡萄牙</source>
            <translation>Português</translation>
        </message>
        <message>
            <source>荷兰</source>
            <translation>Nederlands</translation>
        </message>
        <message>
            <source>波兰</source>
            <translation>Polski</translation>
        </message>
        <message>
            <source>乌克兰</source>
            <translation>Українська</translation>
        </message>
        <message>
            <source>立陶宛</source>
            <translation>Lietuvių</translation>
        </message>
        <message>
            <source>匈牙利</source>
            <translation>Magyar</translation>
        </message>
        <message>
            <source>自动曝光</source>
            <translation>Automatische belichting</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Belichtingstijd</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Versterking</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Helderheid</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Contrast</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Verzadiging</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Tint</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Scherpte</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Zwart-wit</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Automatische witbalans</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Kleurtemperatuur</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Versterking rood</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Versterking groen</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Versterking blauw</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Horizontaal spiegelen</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Verticaal spiegelen</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Schaalbalk</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Door het camerastuurprogramma toegestane beeldsnelheid</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Scherpstelling</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Er is een onverwachte fout opgetreden. Neem contact op met een technicus.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Meetrapport</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Geen</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Bestand</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Camera</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Beeldgrootte</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibratie</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Niet gekalibreerd</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Kalibratiefactor</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Beeldgrootte bij kalibratie</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Camera bij kalibratie</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Gereedschap</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Waarde</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Eenheid</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Geen metingen</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Vervolg op volgende pagina</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Rapport exporteren…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Rapport exporteren</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>PDF-bestanden (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Het rapport kon niet worden geschreven: %1</translation>
        </message>
    </context>
</TS>
