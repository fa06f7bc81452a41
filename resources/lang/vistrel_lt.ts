<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Pritraukti prie kraštų</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Pritaikyti apskritimą</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Dalelių analizė</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Matavimas</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordinatės</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Linija</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Laužtė</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Stačiakampis</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Daugiakampis</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Lygiagrečios linijos</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Statmuo</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Tinklelis</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Kampas</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Lankas</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Apskritimas</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Apskritimas per 2 taškus</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Apskritimas per 3 taškus</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Koncentriniai apskritimai</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Du apskritimai</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Tekstas</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Perkelti</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Ištrinti</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Kryželis</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Anuliuoti</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Perdaryti</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Išvalyti</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Figūros</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Spalva</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Šriftas</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Dydis</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibravimas</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Aktyvus kalibravimas</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Redaguoti</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Kalibravimų sąrašas</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Kopija</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Atkurti</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Naujas kalibravimas</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Didinimas</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Tikrasis ilgis</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Pridėti</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Atgal</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Ištisinė</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Brūkšninė</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Ištrinti visus matavimus?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>kalibruota esant %1 × %2, mastelis ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Nepavyko įrašyti atsarginės kopijos failo: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>Praleista kalibracijų su netinkamu koeficientu: %1.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>Faile nėra tinkamų kalibracijų; sąrašas nepakeistas.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Failo nepavyksta perskaityti arba tai ne kalibracijų atsarginė kopija; sąrašas nepakeistas.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Pakeisti dabartines kalibracijas (%2) kalibracijomis iš failo (%1)?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Rezultatai</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Išsaugoti ir CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Taip pat įrašyti matavimus (CSV) šalia išsaugoto paveikslėlio</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Kalibravimo failas</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Įtraukti į sąrašą</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Rasti skalę</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Randa skalės padalas vaizde ir padeda liniuotę nuo pirmosios iki paskutinės</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Vienos padalos ilgis</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>Kalibravimo „%1“ sąraše nebėra; dabar naudojamas „%2“.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>Kalibravimo „%1“ sąraše nebėra; matavimai rodomi pikseliais.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Nekalibruota (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>iš nuotraukos</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>Tikrasis ilgis „%1“ netinkamas: įveskite ilgį, didesnį nei 0, pvz., %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>Liniuotė neturi ilgio: nuvilkite jos galus į žinomo ilgio galus</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Skalė nerasta: padalos turi būti vaizde ryškios ir visos</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Išnaudotas USB pralaidumas: naudokite MJPG arba mažesnę raišką, arba kitą USB prievadą</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Nėra teisės atverti %1. Įdiekite programos udev taisyklę ir iš naujo prijunkite kamerą arba įtraukite naudotoją į grupę video (sudo usermod -aG video $USER) ir prisijunkite iš naujo.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>Mikroskopo fotografavimo mygtuko naudoti negalima: nėra teisės skaityti %1. Įvykdykite šią komandą ir iš naujo prijunkite kamerą:
%2
arba įtraukite naudotoją į grupę input (sudo usermod -aG input $USER) ir prisijunkite iš naujo.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Tęsti</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Sustabdyti</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Tekstas</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Kamera neaptikta. Prijunkite mikroskopą tiesiai prie USB prievado.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Įrenginio nustatymai</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Ši kamera neturi reguliuojamų nustatymų.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Atkurti numatytuosius</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Uždaryti</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Diskas pilnas: %1 (laisva %2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>Į aplanką negalima rašyti: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Rašymas nepavyko: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>Į aplanką negalima rašyti: %1 (nepavyksta sukurti %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Ieškoti</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Pavadinimas</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Netinkamas aplanko pavadinimas</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Naujas aplankas</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Lygiu aukštyn</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Rikiuoti</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Ši nuoroda veda už šakninio aplanko ribų ir nebus atverta: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>failų: %1</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>aplankų: %1, juose elementų: %2</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>failų: %1, aplankų: %2, juose elementų: %3</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Atidaryti</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopijuoti</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Ištrinti</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Ištrinti viską</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Pervadinti</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Išsaugoti kaip</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Išsaugoti visus kaip</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Kopijuojami failai...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Nukopijuota failų: %1. Praleista (toks pavadinimas jau yra): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Nepalaikomas failo tipas: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Kopijuoti nepavyko: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Perkelti į šiukšlinę (%1)?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>Elementų, kurių negalima perkelti į šiukšlinę (ten nėra šiukšlinės, pavyzdžiui, kitame diske): %1 — %2
Ištrinti visam laikui? Šio veiksmo atšaukti negalima.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Nepavyko ištrinti: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Pavadinimas</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Naujas pavadinimas:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Netinkamas pavadinimas</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Failas jau yra: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Failo negalima kopijuoti į jį patį: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Aplanko negalima kopijuoti į jį patį: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Failas jau yra: %1
Pakeisti?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Jau yra paskirties aplanke, nenukopijuota failų: %1.</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Nenustatyta programa šiam failui atidaryti: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Nuotraukos ir vaizdo įrašai</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Nuotraukos</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Visi failai</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importuoti</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Atšaukti</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Už šakninio aplanko ribų, neištrinta: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Už šakninio aplanko ribų, nepervadinta: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Nepavyksta perskaityti: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Taisyti įrašą</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Taisomas įrašas: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Per dideli vaizdai neimportuoti: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Nepavyksta pervadinti %1 į %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Plokščias laukas per tamsus: įjunkite šviesą ir nukreipkite į tuščią lauką</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Plokščias laukas pereksponuotas: sumažinkite ekspoziciją ar ryškumą</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Pirmiausia fiksuokite plokščią lauką</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Fiksuoti nepavyko: kamera neatsiuntė vaizdo</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Plokščio lauko korekcija</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Fiksuoti plokščią lauką</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Fiksuoti tamsų kadrą</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Nukreipkite į tuščią, tolygiai apšviestą lauką ir fiksuokite</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Išjunkite šviesą arba uždenkite objektyvą ir fiksuokite</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Fiksuojama…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Įrenginys nepaleistas.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Šiai raiškai plokščias laukas dar nefiksuotas</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Plokščias laukas: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, su tamsiu kadru</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Fiksuoti nepavyko: pasikeitė raiška</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Nepavyko išsaugoti plokščio lauko vaizdų; korekcija galios iki programos uždarymo</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Židinio sujungimas</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Sukite židinio rankenėlę, kol kiekviena objekto dalis bus ryški, tada vėl paspauskite Židinio sujungimas.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Išsaugoti gylio žemėlapį</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Baigti</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Uždaryti</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Atšaukti</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Židinio sujungimas</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>Sujungta kadrų: %1 (peržiūrėta: %2)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Nėra kadrų sujungti</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Sujungiama...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Židinio sujungimas jau vyksta.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Pasirinkite bent dvi nuotraukas.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Nepavyko perskaityti: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Nepavyko sulygiuoti: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Išsaugota: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Židinio sujungimas nepavyko: %1</translation>
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
            <translation>Versija: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Autorių teisės © 2026 Vistrel kūrėjų komanda. Visos teisės saugomos.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>El. paštas:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Svetainė:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>Apie Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Ši programa naudoja šias atvirojo kodo bibliotekas:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Pritaikyti</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordinatės</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Nepavyko išsaugoti</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Išsaugoti</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Išsaugoti kaip</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Spausdinti</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Anotacijų failas sugadintas ir praleistas</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Naudojamas nuotraukoje išsaugotas kalibravimas: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>Redaguojamo originalaus paveikslėlio perrašyti negalima; pasirinkite kitą failo pavadinimą.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Nuotraukos</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Nepavyko atidaryti failo.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>%1 matavimai neįrašyti. Įrašyti?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Failas</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Skaitomos matavimo figūros: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Figūrų failas per didelis (%1, riba %2), neperskaitytas: %3</translation>
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
            <translation>Įrankis</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Pavadinimas</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Reikšmė</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Vienetas</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Pikseliai</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibravimas</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Ištrinti</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Nepavyko išsaugoti</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Eksportuoti matavimus…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopijuoti</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>CSV lentelė</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Rodyti rezultatus lange</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Plotas</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Perimetras</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Ekvivalentinis skersmuo</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Didž. Fereto skersmuo</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Maž. Fereto skersmuo</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Apskritumas</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Vidutinė pilka</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Skaičius</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Vidurkis</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Standartinis nuokrypis</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mozaika</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Atšaukti</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Uždaryti</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Judinkite stalelį, kad sudarytumėte mozaiką; paspauskite dar kartą, kad baigtumėte.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Pridėtas laukas %1</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Grįžta į jau užfiksuotą sritį: išdėstymas patikslintas.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Vaizdas susiliejęs (judama per greitai); nepridėta.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Šio vaizdo neįmanoma išdėstyti (per mažas persidengimas); nepridėta.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>Mozaikai reikėtų %1 MB – daugiau, nei leidžia atmintis; nepridėta.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Sujungiama…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Reikia bent dviejų laukų.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mozaika išsaugota: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Neįmanoma išdėstyti: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Sujungimas atšauktas.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>Mozaikai reikėtų %1 MB – daugiau, nei leidžia atmintis.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mozaika neišsaugota: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Sujungti</translation>
        </message>
    </context>
    <context>
        <name>Notifier</name>
        <message>
            <source>确定</source>
            <translation>Gerai</translation>
        </message>
        <message>
            <source>是</source>
            <translation>Taip</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Ne</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Taip visiems</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Atšaukti</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Išsaugoti</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Neįrašyti</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analizuojama…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>Dalelių: %1</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Ekvivalentinis skersmuo</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Dalelių analizė</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Tamsūs objektai šviesiame fone</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Šviesūs objektai tamsiame fone</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Automatinis slenkstis (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Užpildyti skyles</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Mažiausias plotas (pikseliai)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Neįtraukti dalelių prie krašto</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analizuoti</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>Įrašas %1 nebuvo tinkamai užbaigtas ir jo nepavyko sutaisyti; jis paliktas nepakeistas.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>Įrašas %1 nebuvo tinkamai užbaigtas ir buvo sutaisytas; jo trukmė %2 s.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>Įrašas %1 nebuvo tinkamai užbaigtas. Jo taisymui reikia %2 laisvos vietos, diske yra tik %3. Atlaisvinkite vietos: kitą kartą paleidus jis bus taisomas vėl.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>Įrašas %1 nebuvo tinkamai užbaigtas; pataisytos kopijos įrašyti nepavyko, failas paliktas toks, koks buvo. Kitą kartą paleidus bus bandoma vėl.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>Įrašo %1 taisymas atšauktas; failas paliktas toks, koks buvo, jį galima taisyti dar kartą.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Tinklelis %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Apskritimai %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Tinklelis/apskritimai %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Išjungta</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Tinklelis</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Koncentriniai apskritimai</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Tinklelis ir apskritimai</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Tinklelis</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Nėra kalibravimo: tinklelio parodyti negalima</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Viršuje kairėje</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Viršuje dešinėje</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Apačioje kairėje</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Apačioje dešinėje</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Padėtis</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Nėra kalibravimo: mastelio juostos nėra</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Nuotraukų aplankas</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Naršyti...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Vaizdo įrašų aplankas</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>Gerai</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Atšaukti</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>Pradžios laikas turi būti vėlesnis nei dabartinis laikas.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Pradžios laikas</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Nuotrauka</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vaizdo įrašas</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Intervalas</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Įrašo trukmė</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Iš viso</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Atlikta</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Pradėti</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Stabdyti</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Uždaryti</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Pradėti dabar</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Atšaukti paskutinį veiksmą</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Pakartoti</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Ištrinti pažymėtą figūrą</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Atšaukti braižomą figūrą; kitaip išeiti iš viso ekrano</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Fotografuoti</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Pradėti arba sustabdyti įrašymą</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>ratukas</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Mastelis aplink pelės žymeklį</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Spartieji klavišai</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Atšaukti</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Pritaikyti</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Nepavyko paleisti įrenginio.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Įrenginys nepaleistas.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Stabdyti įrašymą</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vaizdo įrašas</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Nepavyko atidaryti failo.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc – išeiti iš viso ekrano</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Vaizdas išsaugotas</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Kadrų dažnis</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordinatės</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>Laikmačio nuotraukų serija sustabdyta.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>Laikmačio nuotraukų serija sustabdyta: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>Nuotrauka neišsaugota: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Kita nuotrauka po %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Vyksta įrašymas. Sustabdyti jį ir išeiti?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>Kamera „%1“ atjungta.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>Įrašas išsaugotas: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Rodyti dideliame vaizde</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Nuotrauka</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Uždaryti kamerą</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Paveikslėlis iš failo…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Vyksta įrašymas. Keturių langų vaizdui jį reikia sustabdyti. Sustabdyti įrašymą?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Įrašant pakeisti negalima; pirmiausia sustabdykite įrašymą.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Visas ekranas</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Redaguoti</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Programa jau veikia su tais pačiais nustatymais; jos langas iškeltas į priekį.
Atverti dar vieną langą tik skaitymui? Toks langas nustatymų neįrašo.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>Įrašymo aplankas yra už šakninio aplanko ribų; niekas neįrašyta: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Nepavyksta įrašyti nustatymų: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Nepavyksta įrašyti nustatymų į %1. Pakeitimai (ir kalibravimai) kol kas neįrašomi; programa bando toliau. Patikrinkite aplanko teises ir laisvą vietą.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Suplanuotas įrašymas sustabdytas: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Įrašas neišsamus, neįskaitytas: %1 turi tik %2 kadrus iš %3.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>Keturių langelių rodinyje įrašyti negalima; pirmiausia perjunkite į vieno vaizdo rodinį.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Nepavyko įrašyti nustatymų į %1; šios sesijos pakeitimai prarasti.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Nėra vaizdo iš %1 jau %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>Įrašymas netikėtai sustojo dėl nežinomos priežasties.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>Įrašymas sustojo: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>Daugumos vaizdų iš %1 nepavyksta iškoduoti</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>Įrašymas tęsiamas, tarpas užpildomas paskutiniu vaizdu</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Nuotrauka</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vaizdo įrašas</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Laikmatis</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Visas ekranas</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Perjungti vaizdą</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Mastelis</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Nustatymai</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Matavimas</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Naršyti failus</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Įrenginys:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Formatas:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Raiška:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Nuotrauka:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Vaizdo įrašas:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Ekspozicija ir stiprinimas</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Spalvų reguliavimas</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Baltos spalvos balansas</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Apvertimas</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Atkurti numatytuosius</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Išplėstiniai nustatymai</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Failas</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Parinktys</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Data/laikas</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Kryželis</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Kalba</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Žinynas</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Išeiti</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Apie</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Laikmačio nustatymai</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importuoti</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Raiška</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Įjungta</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Išjungta</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Nuotraukų aplankas</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Vaizdo įrašų aplankas</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Spausdinti</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Pirmiausia pasirinkite ir atidarykite išsaugojimo aplanką: viršuje dešinėje „Naršyti failus“ → „Nuotrauka“ → „image“ arba „Naršyti failus“ → „Vaizdo įrašas“ → „movie“.</translation>
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
            <translation>Automatinė ekspozicija</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Ekspozicijos trukmė</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Stiprinimas</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Ryškumas</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Kontrastas</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Sodrumas</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Atspalvis</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gama</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Aštrumas</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Nespalvotas</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Automatinis baltos spalvos balansas</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Spalvinė temperatūra</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Raudonos spalvos stiprinimas</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Žalios spalvos stiprinimas</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Mėlynos spalvos stiprinimas</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Apversti horizontaliai</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Apversti vertikaliai</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Mastelio juosta</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Kameros tvarkyklės suteiktas kadrų dažnis</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Fokusavimas</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Įvyko netikėta klaida. Kreipkitės į inžinierių.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Matavimų ataskaita</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Nėra</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Failas</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Kamera</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Vaizdo dydis</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibravimas</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Nekalibruota</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Kalibravimo koeficientas</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Vaizdo dydis kalibruojant</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Kalibravimo kamera</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Rezultatai</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Įrankis</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Pavadinimas</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Reikšmė</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Vienetas</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Pikseliai</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Matavimų nėra</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Tęsinys kitame puslapyje</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Eksportuoti ataskaitą…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Eksportuoti ataskaitą</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>PDF failai (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Nepavyko įrašyti ataskaitos: %1</translation>
        </message>
    </context>
</TS>
