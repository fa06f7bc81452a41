<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Illesztés élekhez</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Kör illesztése</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Részecskeelemzés</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Mérés</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordináták</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Vonal</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Töröttvonal</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Téglalap</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Sokszög</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Párhuzamos vonalak</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Merőleges</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Rácsvonalak</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Szög</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Ív</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Kör</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Kétpontos kör</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Hárompontos kör</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Koncentrikus körök</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Két kör</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Szöveg</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Mozgatás</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Törlés</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Szálkereszt</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Visszavonás</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Mégis</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Összes törlése</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Alakzatok</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Szín</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Betűtípus</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Méret</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibráció</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Aktív kalibráció</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Szerkesztés</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Kalibrációs lista</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Betöltés</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Új kalibráció</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Nagyítás</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Tényleges hossz</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Hozzáadás</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Folytonos</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Szaggatott</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Törli az összes mérést?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>kalibrálva: %1 × %2, skálázva ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>A biztonsági mentés fájlja nem írható: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>%1 érvénytelen tényezőjű kalibráció kimaradt.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>A fájl nem tartalmaz használható kalibrációt; a lista nem változott.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>A fájl nem olvasható, vagy nem kalibrációs biztonsági mentés; a lista nem változott.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Lecseréli a jelenlegi %2 kalibrációt a fájlban lévő %1 kalibrációra?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Eredmények</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>CSV mentése is</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>A mérések (CSV) mentése a mentett kép mellé is</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Kalibrációs fájl</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Hozzáadás a listához</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Skála keresése</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Megkeresi a skála osztásait a képen, és a vonalzót az elsőtől az utolsóig illeszti</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Egy osztás hossza</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>A(z) „%1” kalibráció már nincs a listában; most a(z) „%2” érvényes.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>A(z) „%1” kalibráció már nincs a listában; a mérések képpontban jelennek meg.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Nincs kalibrálva (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>a fényképből</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>A(z) „%1” valós hossz érvénytelen: adjon meg 0-nál nagyobb hosszt, pl. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>A vonalzónak nincs hossza: húzza a végeit egy ismert hossz végeihez</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Nem található skála: a skála osztásai élesen és teljesen legyenek a képen</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Elfogyott az USB sávszélesség: használjon MJPG-t vagy kisebb felbontást, vagy másik USB-portot</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Nincs jogosultság a(z) %1 megnyitásához. Telepítse a program udev-szabályát, és csatlakoztassa újra a kamerát, vagy vegye fel a felhasználót a video csoportba (sudo usermod -aG video $USER), majd jelentkezzen be újra.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>A mikroszkóp exponálógombja nem használható: nincs jogosultság a(z) %1 olvasásához. Futtassa ezt a parancsot, majd csatlakoztassa újra a kamerát:
%2
vagy vegye fel a felhasználót az input csoportba (sudo usermod -aG input $USER), és jelentkezzen be újra.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Folytatás</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Kimerevítés</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Szöveg</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Nem található kamera. Csatlakoztassa a mikroszkópot közvetlenül egy USB-porthoz.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Eszközbeállítások</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Ennek a kamerának nincsenek állítható beállításai.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Alapértékek visszaállítása</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Bezárás</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>A lemez megtelt: %1 (%2 szabad)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>A mappa nem írható: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Az írás sikertelen: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>A mappa nem írható: %1 (nem hozható létre itt: %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Keresés</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Név</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Érvénytelen mappanév</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Új mappa</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Egy szinttel feljebb</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Rendezés</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Ez a hivatkozás a gyökérmappán kívülre mutat, ezért nem nyílik meg: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 fájl</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 mappa, benne %2 elem</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 fájl és %2 mappa, benne %3 elem</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Megnyitás</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Másolás</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Törlés</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Összes törlése</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Átnevezés</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Mentés másként</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Összes mentése másként</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Fájlok másolása...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Másolt fájlok: %1. Kihagyva (a név már létezik): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Nem támogatott fájltípus: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>A másolás sikertelen: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Áthelyezi a lomtárba: %1?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>%1 elem nem helyezhető át a lomtárba (ott nincs elérhető lomtár, például egy másik lemezen): %2
Végleg törli őket? Ez nem vonható vissza.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Nem sikerült törölni: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Név</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Új név:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Érvénytelen név</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>A fájl már létezik: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Egy fájl nem másolható önmagára: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Egy mappa nem másolható önmagába: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>A fájl már létezik: %1
Lecseréli?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Már a célmappában van, nem lett másolva: %1 fájl.</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Nincs beállítva program a fájl megnyitásához: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Fényképek és videók</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fényképek</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Minden fájl</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importálás</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>A gyökérmappán kívül van, nem törölve: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>A gyökérmappán kívül van, nem lett átnevezve: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Nem olvasható: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Felvétel javítása</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Felvétel javítása: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Túl nagy képek, nem importálva: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>A(z) %1 nem nevezhető át erre: %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>A síkmező túl sötét: kapcsolja be a fényt, és irányítsa üres látómezőre</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>A síkmező túlexponált: csökkentse az expozíciót vagy a fényerőt</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Először rögzítsen síkmezőt</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>A rögzítés sikertelen: a kamera nem küldött képet</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Síkmező-korrekció</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Síkmező rögzítése</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Sötétkép rögzítése</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Irányítsa üres, egyenletesen megvilágított látómezőre, majd rögzítsen</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Kapcsolja le a fényt vagy takarja le az objektívet, majd rögzítsen</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Rögzítés…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Az eszköz nincs elindítva.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Ehhez a felbontáshoz még nincs síkmező</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Síkmező: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, sötétképpel</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>A rögzítés sikertelen: megváltozott a felbontás</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>A síkmezőképeket nem lehetett menteni; a korrekció a program bezárásáig él</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Fókuszsorozat-egyesítés</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Forgassa a fókuszgombot, amíg a tárgy minden része éles nem volt, majd nyomja meg újra a Fókuszsorozat-egyesítés gombot.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Mélységtérkép mentése</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Befejezés</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Bezárás</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Mégse</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Fókuszsorozat-egyesítés</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 képkocka egyesítve (%2 megvizsgálva)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Nincs egyesíthető képkocka</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Egyesítés...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Fókuszsorozat-egyesítés van folyamatban.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Válasszon ki legalább két fényképet.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Nem olvasható: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Nem igazítható: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Mentve: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>A fókuszsorozat-egyesítés sikertelen: %1</translation>
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
            <translation>Verzió: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Vistrel fejlesztőcsapat. Minden jog fenntartva.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-mail:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Weboldal:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>A Qt névjegye</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>A program a következő nyílt forrású könyvtárakat használja:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Illesztés</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordináták</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>A mentés sikertelen</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Mentés másként</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Nyomtatás</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>A megjegyzésfájl sérült, figyelmen kívül hagyva</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>A fényképben tárolt kalibráció használatban: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>A szerkesztett eredeti kép nem írható felül; válasszon másik fájlnevet.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fényképek</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>A fájl megnyitása sikertelen.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>A(z) %1 mérései nincsenek mentve. Menti őket?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Fájl</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Mérési alakzatok beolvasása: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Az alakzatfájl túl nagy (%1, a korlát %2), nincs beolvasva: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>Sz.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Eszköz</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Név</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Érték</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Egység</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Képpont</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibráció</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Törlés</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>A mentés sikertelen</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Mérések exportálása…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Másolás</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>CSV-táblázat</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Eredmények ablakban</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Terület</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Kerület</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Egyenértékű átmérő</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Max. Feret-átmérő</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Min. Feret-átmérő</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Kerekség</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Átlagos szürke</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Darabszám</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Átlag</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Szórás</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mozaik</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Bezárás</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Mozgassa a tárgyasztalt a mozaikhoz; nyomja meg újra a befejezéshez.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>%1. látómező hozzáadva</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Vissza a már rögzített területre: elhelyezés finomítva.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Elmosódott kép (túl gyors mozgás); nincs hozzáadva.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Ez a nézet nem helyezhető el (túl kevés átfedés); nincs hozzáadva.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>A mozaikhoz %1 MB kellene, több, mint amennyi memória van; nincs hozzáadva.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Összefűzés…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Legalább két látómező kell.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mozaik mentve: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Nem helyezhető el: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Összefűzés megszakítva.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>A mozaikhoz %1 MB kellene, több, mint amennyi memória van.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>A mozaik nincs mentve: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Összefűzés</translation>
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
            <translation>Igen</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Nem</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Igen mindre</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Nincs mentés</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Elemzés folyamatban…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 részecske</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Hisztogram</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Egyenértékű átmérő</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Részecskeelemzés</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Sötét tárgyak világoson</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Világos tárgyak sötéten</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Automatikus küszöb (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Lyukak kitöltése</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Legkisebb terület (képpont)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Szélen lévő részecskék kizárása</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Elemzés</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>A(z) %1 felvétel nem zárult le rendesen, és nem sikerült javítani; változatlanul megmaradt.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>A(z) %1 felvétel nem zárult le rendesen, ezért javítottuk; hossza %2 másodperc.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>A(z) %1 felvétel nem fejeződött be rendesen. A javításhoz %2 szabad hely kell, a lemezen csak %3 van. Szabadítson fel helyet: a következő indításkor újra megpróbálja kijavítani.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>A(z) %1 felvétel nem fejeződött be rendesen; a javítást nem sikerült kiírni, a fájl változatlan maradt. A következő indításkor újra megpróbálja.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>A(z) %1 felvétel javítása megszakadt; a fájl változatlan maradt, és újra javítható.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Rács %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Körök %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Rács/körök %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Ki</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Rács</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Koncentrikus körök</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Rács és körök</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Szálkereszt</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Nincs kalibráció: a szálkereszt nem jeleníthető meg</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Bal felső</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Jobb felső</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Bal alsó</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Jobb alsó</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Pozíció</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Nincs kalibrálás: nincs méretarányjelző</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Fényképmappa</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Tallózás...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Videómappa</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Mégse</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>A kezdési időnek későbbinek kell lennie a jelenlegi időpontnál.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Kezdési idő</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Fotó</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Videó</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Időköz</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Videó hossza</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Összesen</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Elkészült</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Indítás</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Leállítás</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Bezárás</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Indítás most</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Utolsó lépés visszavonása</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Újra</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>A kijelölt alakzat törlése</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>A rajzolás alatti alakzat elvetése, különben kilépés a teljes képernyőből</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Fénykép készítése</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Felvétel indítása vagy leállítása</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>görgő</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Nagyítás az egérmutató körül</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Billentyűparancsok</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Visszavonás</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Illesztés</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Az eszköz indítása sikertelen.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Az eszköz nincs elindítva.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Felvétel leállítása</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Videó</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>A fájl megnyitása sikertelen.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc: kilépés a teljes képernyőből</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Kép mentve</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Képkockasebesség</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordináták</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>Az időzített fényképsorozat leállt.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>Az időzített fényképsorozat leállt: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>A fénykép nem lett mentve: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Következő kép %1 mp múlva (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Felvétel folyik. Leállítja és kilép?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>A(z) „%1” kamera le lett választva.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>A felvétel mentve: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Megjelenítés nagy nézetben</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Fotó</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Kamera bezárása</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Kép fájlból…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Felvétel folyik. A négyablakos nézethez le kell állítani. Leállítja a felvételt?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Felvétel közben nem módosítható; előbb állítsa le a felvételt.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Teljes képernyő</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Szerkesztés</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>A program már fut ugyanezekkel a beállításokkal; az ablaka előtérbe került.
Megnyit egy újabb, csak olvasható ablakot? A csak olvasható ablak nem ment beállításokat.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>A mentési mappa a gyökérmappán kívül van; semmi sem lett mentve: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>A beállítások nem menthetők: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>A beállítások nem menthetők ide: %1. A változtatások (a kalibrációkat is beleértve) egyelőre nem mentődnek; a program tovább próbálkozik. Ellenőrizze a mappa jogosultságait és a szabad helyet.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Az időzített felvétel leállt: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>A klip hiányos, nem számít bele: %1 csak %2 képkockát tartalmaz a %3-ból.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>Négyes nézetben nem lehet felvételt készíteni; előbb váltson egyes nézetre.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>A beállításokat nem sikerült ide menteni: %1; a munkamenet változtatásai elvesznek.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Nincs kép innen: %1, %2 másodperce</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>A felvétel váratlanul, ismeretlen okból leállt.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>A felvétel leállt: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>A(z) %1 képeinek többsége nem dekódolható</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>A felvétel folytatódik, az utolsó képpel kitöltve</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Fotó</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Videó</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Időzített felvétel</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Teljes képernyő</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Nézetváltás</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Nagyítás</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Beállítások</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Mérés</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Fájlok böngészése</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Eszköz:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Formátum:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Felbontás:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Fotó:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Videó:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Expozíció és erősítés</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Színbeállítás</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Fehéregyensúly</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Tükrözés</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Alapértékek visszaállítása</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Speciális beállítások</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Fájl</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Opciók</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Dátum/idő</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Szálkereszt</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Nyelv</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Súgó</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Kilépés</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Névjegy</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Időzítő beállításai</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importálás</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Felbontás</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Be</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Ki</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Fényképmappa</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Videómappa</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Nyomtatás</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Először válassza ki és nyissa meg a mentési mappát: jobb felül „Fájlok böngészése” → „Fotó” → „image” vagy „Fájlok böngészése” → „Videó” → „movie”.</translation>
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
            <translation>Automatikus expozíció</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Expozíciós idő</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Erősítés</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Fényerő</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Kontraszt</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Telítettség</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Színárnyalat</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Élesség</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Fekete-fehér</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Automatikus fehéregyensúly</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Színhőmérséklet</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Vörös erősítés</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Zöld erősítés</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Kék erősítés</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Vízszintes tükrözés</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Függőleges tükrözés</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Méretarányjelző</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>A kamera illesztőprogramja által engedélyezett képkockasebesség</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Fókusz</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Váratlan hiba történt. Forduljon a szervizhez.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Mérési jegyzőkönyv</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Nincs</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Fájl</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Kamera</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Képméret</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibráció</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Nincs kalibrálva</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Kalibrációs tényező</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Képméret a kalibráláskor</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>A kalibrálás kamerája</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Eredmények</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>Sorsz.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Eszköz</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Név</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Érték</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Egység</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Képpont</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Nincs mérés</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Folytatás a következő oldalon</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Jegyzőkönyv exportálása…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Jegyzőkönyv exportálása</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>PDF-fájlok (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>A jegyzőkönyvet nem lehetett írni: %1</translation>
        </message>
    </context>
</TS>
