<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Przyciągaj do krawędzi</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Dopasuj okrąg</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Analiza cząstek</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Pomiar</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Współrzędne</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Linia</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Łamana</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Prostokąt</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Wielokąt</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Linie równoległe</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Prostopadła</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Siatka</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Kąt</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Łuk</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Okrąg</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Okrąg z 2 punktów</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Okrąg z 3 punktów</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Okręgi współśrodkowe</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Dwa okręgi</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Tekst</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Przesuń</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Celownik</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Cofnij</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Ponów</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Wyczyść</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Kształty</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Kolor</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Czcionka</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Rozmiar</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibracja</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Aktywna kalibracja</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Edytuj</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Lista kalibracji</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Kopia</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Przywróć</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Nowa kalibracja</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Powiększenie</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Długość rzecz.</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Ciągła</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Przerywana</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Usunąć wszystkie pomiary?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>skalibrowano przy %1 × %2, przeskalowano ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Nie można zapisać pliku kopii zapasowej: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>Pominięto kalibracje z nieprawidłowym współczynnikiem: %1.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>Plik nie zawiera żadnej użytecznej kalibracji; lista nie została zmieniona.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Pliku nie można odczytać lub nie jest kopią zapasową kalibracji; lista nie została zmieniona.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Zastąpić bieżące kalibracje (%2) kalibracjami z pliku (%1)?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Wyniki</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Zapisz też CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Zapisz też pomiary (CSV) obok zapisanego obrazu</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Plik kalibracji</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Dodaj do listy</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Znajdź skalę</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Znajduje kreski skali na obrazie i kładzie linijkę od pierwszej do ostatniej</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Długość jednej działki</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>Kalibracji „%1” nie ma już na liście; teraz używana jest „%2”.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>Kalibracji „%1” nie ma już na liście; pomiary są podawane w pikselach.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Bez kalibracji (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>ze zdjęcia</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>Rzeczywista długość „%1” jest nieprawidłowa: wpisz długość większą od 0, np. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>Linijka nie ma długości: przeciągnij jej końce na końce znanego odcinka</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Nie znaleziono skali: umieść kreski skali w kadrze, ostre i w całości</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Brak przepustowości USB: użyj MJPG lub mniejszej rozdzielczości albo innego portu USB</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Brak uprawnień do otwarcia %1. Zainstaluj regułę udev programu i podłącz kamerę ponownie albo dodaj użytkownika do grupy video (sudo usermod -aG video $USER) i zaloguj się ponownie.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>Przycisk zdjęcia mikroskopu nie działa: brak uprawnień do odczytu %1. Wykonaj to polecenie, a następnie podłącz kamerę ponownie:
%2
lub dodaj użytkownika do grupy input (sudo usermod -aG input $USER) i zaloguj się ponownie.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Odmroź</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Zamroź</translation>
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
            <translation>Nie wykryto kamery. Podłącz mikroskop bezpośrednio do portu USB.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Ustawienia urządzenia</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Ta kamera nie ma regulowanych ustawień.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Przywróć domyślne</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Zamknij</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Dysk pełny: %1 (wolne %2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>Brak uprawnień do zapisu w folderze: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Zapis nie powiódł się: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>Brak uprawnień do zapisu w folderze: %1 (nie można utworzyć w %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Szukaj</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Nieprawidłowa nazwa folderu</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Nowy folder</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Poziom wyżej</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Sortuj</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>To łącze prowadzi poza folder główny i nie zostanie otwarte: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>plików: %1</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>folderów: %1, w nich elementów: %2</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>plików: %1, folderów: %2, w nich elementów: %3</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Otwórz</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopiuj</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Usuń wszystko</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Zmień nazwę</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Zapisz jako</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Zapisz wszystko jako</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Kopiowanie plików...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Skopiowane pliki: %1. Pominięte (nazwa już istnieje): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Nieobsługiwany typ pliku: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Kopiowanie nie powiodło się: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Przenieść do kosza (%1)?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>Elementów, których nie można przenieść do kosza (nie ma tam dostępnego kosza, np. na innym dysku): %1 — %2
Usunąć je trwale? Tej operacji nie można cofnąć.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Nie można usunąć: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Nowa nazwa:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Nieprawidłowa nazwa</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Plik już istnieje: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Nie można skopiować pliku na niego samego: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Nie można skopiować folderu do niego samego: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Plik już istnieje: %1
Zastąpić go?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Już w folderze docelowym, nie skopiowano plików: %1.</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Nie ustawiono programu do otwierania tego pliku: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Zdjęcia i filmy</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Zdjęcia</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Wszystkie pliki</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importuj</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Poza folderem głównym, nie usunięto: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Poza folderem głównym, nie zmieniono nazwy: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Nie można odczytać: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Napraw nagranie</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Naprawianie nagrania: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Zbyt duże obrazy, nie zaimportowano: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Nie można zmienić nazwy %1 na %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Płaskie pole zbyt ciemne: włącz światło i skieruj na puste pole</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Płaskie pole prześwietlone: zmniejsz ekspozycję lub jasność</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Najpierw przechwyć płaskie pole</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Przechwytywanie nie powiodło się: kamera nie przesłała obrazu</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Korekcja płaskiego pola</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Przechwyć płaskie pole</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Przechwyć ciemną klatkę</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Skieruj na puste, równomiernie oświetlone pole, potem przechwyć</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Wyłącz światło lub zasłoń obiektyw, potem przechwyć</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Przechwytywanie…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Urządzenie nie jest uruchomione.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Brak płaskiego pola dla tej rozdzielczości</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Płaskie pole: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, z ciemną klatką</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Przechwytywanie nie powiodło się: zmieniła się rozdzielczość</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Nie można zapisać obrazów płaskiego pola; korekcja działa do zamknięcia programu</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Składanie ostrości</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Obracaj pokrętło ostrości, aż każda część obiektu będzie ostra, a następnie ponownie naciśnij Składanie ostrości.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Zapisz mapę głębi</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Zakończ</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Anuluj</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Składanie ostrości</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>Połączono klatek: %1 (przejrzano: %2)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Brak klatek do połączenia</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Łączenie...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Trwa składanie ostrości.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Wybierz co najmniej dwa zdjęcia.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Nie można odczytać: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Nie można wyrównać: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Zapisano: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Składanie ostrości nie powiodło się: %1</translation>
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
            <translation>Wersja: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Zespół programistów Vistrel. Wszelkie prawa zastrzeżone.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-mail:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Strona WWW:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>O Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Ten program korzysta z następujących bibliotek open source:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Dopasuj</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Współrzędne</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Zapisywanie nie powiodło się</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Zapisz jako</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Drukuj</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Plik adnotacji jest uszkodzony i został pominięty</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Użyto kalibracji zapisanej w zdjęciu: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>Nie można nadpisać edytowanego oryginału; wybierz inną nazwę pliku.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Zdjęcia</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Nie można otworzyć pliku.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>Pomiary w %1 nie są zapisane. Zapisać je?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Plik</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Wczytywanie kształtów pomiarowych: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Plik kształtów zbyt duży (%1, limit %2), nie wczytano: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>Nr</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Narzędzie</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Wartość</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Jednostka</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Piksele</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibracja</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Zapisywanie nie powiodło się</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Eksportuj pomiary…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopiuj</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>Tabela CSV</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Pokaż wyniki w oknie</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Powierzchnia</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Obwód</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Średnica zastępcza</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Maks. średnica Fereta</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Min. średnica Fereta</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Kolistość</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Średnia szarość</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Liczba</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Średnia</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Odchylenie standardowe</translation>
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
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Przesuwaj stolik, aby złożyć mozaikę; naciśnij ponownie, aby zakończyć.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Dodano pole %1</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Powrót nad zarejestrowany obszar: położenie dopracowane.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Obraz rozmazany (zbyt szybki ruch); nie dodano.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Nie można umieścić tego widoku (za małe nakładanie); nie dodano.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>Mozaika wymagałaby %1 MB, więcej niż pozwala pamięć; nie dodano.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Zszywanie…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Potrzebne są co najmniej dwa pola.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Zapisano mozaikę: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Nie można umieścić: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Zszywanie anulowano.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>Mozaika wymagałaby %1 MB, więcej niż pozwala pamięć.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Nie zapisano mozaiki: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Zszyj</translation>
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
            <translation>Tak</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Nie</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Tak dla wszystkich</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Nie zapisuj</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analizowanie…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>Cząstek: %1</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Średnica zastępcza</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Analiza cząstek</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Ciemne obiekty na jasnym</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Jasne obiekty na ciemnym</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Próg automatyczny (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Wypełnij dziury</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Minimalna powierzchnia (piksele)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Pomiń cząstki przy krawędzi</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analizuj</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>Nagranie %1 nie zostało poprawnie zakończone i nie dało się go naprawić; zachowano je bez zmian.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>Nagranie %1 nie zostało poprawnie zakończone i zostało naprawione; trwa %2 s.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>Nagranie %1 nie zakończyło się poprawnie. Naprawa wymaga %2 wolnego miejsca, a na dysku jest tylko %3. Zwolnij miejsce: przy następnym uruchomieniu naprawa zostanie powtórzona.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>Nagranie %1 nie zakończyło się poprawnie; nie udało się zapisać naprawy, plik pozostawiono bez zmian. Przy następnym uruchomieniu nastąpi kolejna próba.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>Naprawa nagrania %1 została anulowana; plik pozostał bez zmian i można go naprawić ponownie.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Siatka %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Okręgi %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Siatka/okręgi %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Wyłączone</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Siatka</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Okręgi współśrodkowe</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Siatka i okręgi</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Siatka okularowa</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Brak kalibracji: nie można pokazać siatki</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Lewy górny</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Prawy górny</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Lewy dolny</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Prawy dolny</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Położenie</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Brak kalibracji: brak paska skali</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Folder zdjęć</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Przeglądaj...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Folder wideo</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Anuluj</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>Czas rozpoczęcia musi być późniejszy niż bieżący czas.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Czas rozpoczęcia</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Zdjęcie</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Wideo</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Odstęp</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Długość nagrania</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Łączna liczba</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Wykonano</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Zatrzymaj</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Rozpocznij teraz</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Cofnij ostatni krok</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Ponów</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Usuń zaznaczony kształt</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Anuluj rysowany kształt; w przeciwnym razie wyjdź z pełnego ekranu</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Zrób zdjęcie</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Rozpocznij lub zatrzymaj nagrywanie</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>kółko myszy</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Powiększ wokół wskaźnika myszy</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Skróty klawiszowe</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Cofnij</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Dopasuj</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Nie można uruchomić urządzenia.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Urządzenie nie jest uruchomione.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Zatrzymaj</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Wideo</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Nie można otworzyć pliku.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc: wyjście z pełnego ekranu</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Zapisano obraz</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Szybkość klatek</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Współrzędne</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>Seria zdjęć z timerem została zatrzymana.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>Seria zdjęć z timerem została zatrzymana: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>Zdjęcie nie zostało zapisane: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Następne zdjęcie za %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Trwa nagrywanie. Zatrzymać je i zakończyć?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>Kamera „%1” została odłączona.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>Nagranie zapisano: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Pokaż w dużym widoku</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Zdjęcie</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Zamknij kamerę</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Obraz z pliku…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Trwa nagrywanie. Widok czterech okien wymaga jego zatrzymania. Zatrzymać nagrywanie?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Nie można zmienić podczas nagrywania; najpierw zatrzymaj nagrywanie.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Pełny ekran</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Edytuj</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Program już działa z tymi samymi ustawieniami; jego okno przeniesiono na wierzch.
Otworzyć kolejne okno tylko do odczytu? Okno tylko do odczytu nie zapisuje ustawień.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>Folder zapisu leży poza folderem głównym; nic nie zapisano: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Nie można zapisać ustawień: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Nie można zapisać ustawień w %1. Zmiany (także kalibracje) na razie nie są zapisywane; program ponawia próby. Sprawdź uprawnienia folderu i wolne miejsce.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Nagrywanie według harmonogramu zatrzymane: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Klip niepełny, nie policzono: %1 ma tylko %2 z %3 klatek.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>W widoku czterech okien nie można nagrywać; najpierw przełącz na widok pojedynczy.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Nie udało się zapisać ustawień w %1; zmiany z tej sesji przepadły.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Brak obrazu z %1 od %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>Nagrywanie nieoczekiwanie zatrzymało się z nieznanego powodu.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>Nagrywanie zatrzymało się: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>Większości obrazów z %1 nie da się zdekodować</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>Nagrywanie trwa, luka wypełniana ostatnim obrazem</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Zdjęcie</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Wideo</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Rejestracja czasowa</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Pełny ekran</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Przełącz widok</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Powiększenie</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Ustawienia</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Pomiar</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Przeglądaj pliki</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Urządzenie:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Format:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Rozdzielczość:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Zdjęcie:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Wideo:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Ekspozycja i wzmocnienie</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Regulacja koloru</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Balans bieli</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Odbicie</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Przywróć domyślne</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Ustawienia zaawansowane</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Plik</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Opcje</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Data/godzina</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Celownik</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Język</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Pomoc</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Zakończ</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>O programie</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Ustawienia timera</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importuj</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Rozdzielczość</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Włączone</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Wyłączone</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Folder zdjęć</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Folder wideo</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Drukuj</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Najpierw wybierz i otwórz folder docelowy: w prawym górnym rogu „Przeglądaj pliki” → „Zdjęcie” → „image” lub „Przeglądaj pliki” → „Wideo” → „movie”.</translation>
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
            <translation>Automatyczna ekspozycja</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Czas ekspozycji</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Wzmocnienie</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Jasność</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Kontrast</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Nasycenie</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Odcień</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Ostrość</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Czarno-białe</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Automatyczny balans bieli</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Temperatura barwowa</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Wzmocnienie czerwieni</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Wzmocnienie zieleni</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Wzmocnienie niebieskiego</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Odbij w poziomie</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Odbij w pionie</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Pasek skali</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Szybkość klatek przyznana przez sterownik kamery</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Ustawienie ostrości</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Wystąpił nieoczekiwany błąd. Skontaktuj się z serwisem.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Raport pomiarów</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Brak</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Plik</translation>
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
            <translation>Rozmiar obrazu</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibracja</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Nieskalibrowany</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Współczynnik kalibracji</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Rozmiar obrazu przy kalibracji</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Kamera przy kalibracji</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Wyniki</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>Nr</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Narzędzie</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Wartość</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Jednostka</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Piksele</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Brak pomiarów</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Ciąg dalszy na następnej stronie</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Eksportuj raport…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Eksportuj raport</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>Pliki PDF (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Nie można zapisać raportu: %1</translation>
        </message>
    </context>
</TS>
