<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>An Kanten ausrichten</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Kreis anpassen</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Partikelanalyse</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Messen</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordinaten</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Linie</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Polylinie</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Rechteck</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Polygon</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Parallelen</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Senkrechte</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Gitterlinien</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Winkel</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Bogen</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Kreis</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Kreis durch 2 Punkte</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Kreis durch 3 Punkte</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Konzentrische Kreise</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Zwei Kreise</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Text</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Verschieben</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Fadenkreuz</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Rückgängig</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Wiederholen</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Alles löschen</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Formen</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Farbe</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Schrift</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Größe</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibrierung</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Aktive Kalibrierung</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Kalibrierliste</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Sichern</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Laden</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Neue Kalibrierung</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Vergrößerung</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Reale Länge</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Zurück</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Durchgezogen</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Gestrichelt</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Alle Messungen löschen?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>kalibriert bei %1 × %2, skaliert ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Die Sicherungsdatei konnte nicht geschrieben werden: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>%1 Kalibrierungen mit ungültigem Faktor wurden übersprungen.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>Die Datei enthält keine verwendbare Kalibrierung; die Liste bleibt unverändert.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Die Datei ist nicht lesbar oder keine Kalibrierungssicherung; die Liste bleibt unverändert.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Die %2 aktuellen Kalibrierungen durch die %1 aus der Datei ersetzen?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Auch CSV speichern</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Messwerte (CSV) auch neben das gespeicherte Bild schreiben</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Kalibrierdatei</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Zur Liste hinzufügen</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Skala finden</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Findet die Teilstriche der Skala im Bild und legt das Lineal vom ersten bis zum letzten</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Länge eines Teilstrichs</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>Die Kalibrierung „%1“ ist nicht mehr in der Liste; jetzt gilt „%2“.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>Die Kalibrierung „%1“ ist nicht mehr in der Liste; Messwerte in Pixeln.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Nicht kalibriert (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>aus dem Foto</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>Die tatsächliche Länge „%1“ ist ungültig: Geben Sie eine Länge über 0 ein, z. B. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>Das Lineal hat keine Länge: Ziehen Sie seine Enden an die Enden einer bekannten Länge</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Keine Skala gefunden: Bringen Sie die Teilstriche scharf und vollständig ins Bild</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>USB-Bandbreite erschöpft: MJPG oder eine kleinere Auflösung verwenden oder einen anderen USB-Anschluss</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Keine Berechtigung, %1 zu öffnen. Installieren Sie die udev-Regel des Programms und stecken Sie die Kamera neu ein, oder fügen Sie Ihren Benutzer der Gruppe video hinzu (sudo usermod -aG video $USER) und melden Sie sich neu an.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>Die Auslösetaste des Mikroskops ist nicht nutzbar: keine Berechtigung, %1 zu lesen. Führen Sie diesen Befehl aus und stecken Sie die Kamera neu ein:
%2
oder fügen Sie Ihren Benutzer der Gruppe input hinzu (sudo usermod -aG input $USER) und melden Sie sich neu an.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Fortsetzen</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Einfrieren</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Text</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Keine Kamera erkannt. Schließen Sie das Mikroskop direkt an einen USB-Anschluss an.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Geräteeinstellungen</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Diese Kamera hat keine einstellbaren Parameter.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Standardwerte wiederherstellen</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Schließen</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Datenträger voll: %1 (%2 frei)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>Der Ordner ist nicht beschreibbar: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Schreiben fehlgeschlagen: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>Der Ordner ist nicht beschreibbar: %1 (kann in %2 nicht angelegt werden)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Ungültiger Ordnername</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Neuer Ordner</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Eine Ebene höher</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Sortieren</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Dieser Link führt aus dem Stammordner hinaus und wird nicht geöffnet: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 Datei(en)</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 Ordner mit %2 Element(en)</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 Datei(en) und %2 Ordner mit %3 Element(en)</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Alle löschen</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Umbenennen</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Speichern unter</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Alle speichern unter</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Dateien werden kopiert...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Kopierte Dateien: %1. Übersprungen (Name bereits vorhanden): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Nicht unterstützter Dateityp: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Kopieren fehlgeschlagen: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>%1 in den Papierkorb verschieben?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>%1 Element(e) können nicht in den Papierkorb verschoben werden (dort ist kein Papierkorb verfügbar, z. B. auf einem anderen Laufwerk): %2
Endgültig löschen? Dies kann nicht rückgängig gemacht werden.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Löschen nicht möglich: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Neuer Name:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Ungültiger Name</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Die Datei existiert bereits: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Eine Datei kann nicht auf sich selbst kopiert werden: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Ein Ordner kann nicht in sich selbst kopiert werden: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Die Datei existiert bereits: %1
Ersetzen?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Bereits im Zielordner, nicht kopiert: %1 Datei(en).</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Kein Programm zum Öffnen dieser Datei festgelegt: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Fotos und Videos</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fotos</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Alle Dateien</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importieren</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Außerhalb des Stammordners, nicht gelöscht: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Außerhalb des Stammordners, nicht umbenannt: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Nicht lesbar: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Aufnahme reparieren</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Aufnahme wird repariert: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Bilder zu groß, nicht importiert: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>%1 kann nicht in %2 umbenannt werden</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Flatfield zu dunkel: Licht einschalten und auf ein leeres Feld richten</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Flatfield überbelichtet: Belichtung oder Helligkeit verringern</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Zuerst ein Flatfield aufnehmen</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Aufnahme fehlgeschlagen: die Kamera lieferte kein Bild</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Flatfield-Korrektur</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Flatfield aufnehmen</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Dunkelbild aufnehmen</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Auf ein leeres, gleichmäßig beleuchtetes Feld richten, dann aufnehmen</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Licht ausschalten oder Objektiv abdecken, dann aufnehmen</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Aufnahme läuft…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Das Gerät ist nicht gestartet.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Für diese Auflösung wurde noch kein Flatfield aufgenommen</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Flatfield: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, mit Dunkelbild</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Aufnahme fehlgeschlagen: die Auflösung hat sich geändert</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Die Flatfield-Bilder konnten nicht gespeichert werden; die Korrektur gilt bis zum Beenden</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Fokus-Stacking</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Drehen Sie den Fokusknopf, bis jeder Teil des Objekts einmal scharf war, und drücken Sie dann erneut Fokus-Stacking.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Tiefenkarte speichern</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Fertig</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Fokus-Stacking</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 Bilder verschmolzen (%2 betrachtet)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Keine Bilder zum Verschmelzen</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Wird verschmolzen...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Ein Fokus-Stacking läuft bereits.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Wählen Sie mindestens zwei Fotos aus.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Nicht lesbar: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Nicht ausrichtbar: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Gespeichert: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Fokus-Stacking fehlgeschlagen: %1</translation>
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
            <translation>Version: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Vistrel-Entwicklungsteam. Alle Rechte vorbehalten.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-Mail:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Website:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>Über Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Dieses Programm verwendet folgende Open-Source-Bibliotheken:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Einpassen</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordinaten</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Speichern fehlgeschlagen</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Speichern unter</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Die Anmerkungsdatei ist beschädigt und wurde ignoriert</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Kalibrierung aus dem Foto übernommen: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>Das bearbeitete Originalbild kann nicht überschrieben werden; bitte wählen Sie einen anderen Dateinamen.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fotos</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Die Datei konnte nicht geöffnet werden.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>Die Messungen in %1 sind nicht gespeichert. Speichern?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Messformen werden gelesen: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Formendatei zu groß (%1, Grenze %2), nicht gelesen: %3</translation>
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
            <translation>Werkzeug</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Pixel</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibrierung</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Speichern fehlgeschlagen</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Messwerte exportieren…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>CSV-Tabelle</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Ergebnisse in einem Fenster zeigen</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Fläche</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Umfang</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Äquivalentdurchmesser</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Max. Feret-Durchmesser</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Min. Feret-Durchmesser</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Rundheit</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Mittlerer Grauwert</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Anzahl</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Mittelwert</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Standardabweichung</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mosaik</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Tisch bewegen, um das Mosaik aufzubauen; erneut drücken zum Abschließen.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Feld %1 hinzugefügt</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Zurück über erfasstem Bereich: Platzierung verfeinert.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Bild verwischt (zu schnell bewegt); nicht hinzugefügt.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Diese Ansicht lässt sich nicht platzieren (zu wenig Überlappung); nicht hinzugefügt.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>Das Mosaik bräuchte %1 MB, mehr als der Speicher erlaubt; nicht hinzugefügt.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Wird zusammengefügt…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Mindestens zwei Felder sind nötig.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mosaik gespeichert: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Nicht platzierbar: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Zusammenfügen abgebrochen.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>Das Mosaik bräuchte %1 MB, mehr als der Speicher erlaubt.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mosaik nicht gespeichert: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Zusammenfügen</translation>
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
            <translation>Nein</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Ja, alle</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Nicht speichern</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analyse läuft…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 Partikel</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histogramm</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Äquivalentdurchmesser</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Partikelanalyse</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Dunkle Objekte auf hell</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Helle Objekte auf dunkel</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Automatische Schwelle (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Löcher füllen</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Mindestfläche (Pixel)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Partikel am Rand ausschließen</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analysieren</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>Die Aufnahme %1 wurde nicht ordnungsgemäß beendet und konnte nicht repariert werden; sie wurde unverändert behalten.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>Die Aufnahme %1 wurde nicht ordnungsgemäß beendet und wurde repariert; sie dauert %2 Sekunden.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>Die Aufnahme %1 wurde nicht ordnungsgemäß beendet. Die Reparatur braucht %2 freien Platz, der Datenträger hat nur %3. Geben Sie Platz frei: beim nächsten Start wird sie erneut repariert.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>Die Aufnahme %1 wurde nicht ordnungsgemäß beendet; die Reparatur konnte nicht geschrieben werden, die Datei bleibt unverändert. Der nächste Start versucht es erneut.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>Die Reparatur der Aufnahme %1 wurde abgebrochen; die Datei blieb unverändert und kann erneut repariert werden.</translation>
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
            <translation>Kreise %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Raster/Kreise %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Aus</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Raster</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Konzentrische Kreise</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Raster und Kreise</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Strichplatte</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Keine Kalibrierung: keine Strichplatte möglich</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Oben links</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Oben rechts</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Unten links</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Unten rechts</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Keine Kalibrierung: kein Maßstabsbalken</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Fotoordner</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Durchsuchen...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Videoordner</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>Die Startzeit muss nach der aktuellen Uhrzeit liegen.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Startzeit</translation>
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
            <translation>Intervall</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Cliplänge</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Gesamtanzahl</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Aufgenommen</translation>
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
            <translation>Schließen</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Sofort starten</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Letzten Schritt rückgängig machen</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Wiederholen</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Ausgewählte Form löschen</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Angefangene Form verwerfen, sonst Vollbild verlassen</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto aufnehmen</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Aufnahme starten oder stoppen</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>Mausrad</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Um den Mauszeiger zoomen</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Tastenkürzel</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Rückgängig</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Einpassen</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Das Gerät konnte nicht gestartet werden.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Das Gerät ist nicht gestartet.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Aufnahme stoppen</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Die Datei konnte nicht geöffnet werden.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc: Vollbild beenden</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Bild gespeichert</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Bildrate</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Koordinaten</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>Die Zeitraffer-Fotoserie wurde beendet.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>Die Zeitraffer-Fotoserie wurde beendet: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>Das Foto wurde nicht gespeichert: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Nächstes Foto in %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Eine Aufnahme läuft. Beenden und das Programm schließen?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>Kamera „%1“ wurde getrennt.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>Die Aufnahme wurde gespeichert: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>In großer Ansicht zeigen</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Kamera schließen</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Bild aus Datei…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Eine Aufnahme läuft. Für die Vierfachansicht muss sie beendet werden. Aufnahme beenden?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Während der Aufnahme nicht änderbar; beenden Sie zuerst die Aufnahme.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Vollbild</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Das Programm läuft bereits mit denselben Einstellungen; sein Fenster wurde in den Vordergrund geholt.
Ein weiteres Fenster schreibgeschützt öffnen? Ein schreibgeschütztes Fenster speichert keine Einstellungen.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>Der Speicherordner liegt außerhalb des Stammordners; nichts wurde gespeichert: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Einstellungen können nicht gespeichert werden: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Einstellungen können nicht in %1 gespeichert werden. Änderungen (auch Kalibrierungen) werden vorerst nicht gespeichert; das Programm versucht es weiter. Prüfen Sie die Rechte des Ordners und den freien Platz.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Zeitgesteuerte Aufnahme beendet: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Clip unvollständig, nicht gezählt: %1 hat nur %2 von %3 Bildern.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>In der Vierfachansicht ist keine Aufnahme möglich; wechseln Sie zuerst zur Einzelansicht.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Die Einstellungen konnten nicht in %1 gespeichert werden; die Änderungen dieser Sitzung gehen verloren.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Kein Bild von %1 seit %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>Die Aufnahme wurde unerwartet beendet, der Grund ist unbekannt.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>Die Aufnahme wurde beendet: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>Die meisten Bilder von %1 lassen sich nicht dekodieren</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>Die Aufnahme läuft weiter, mit dem letzten Bild aufgefüllt</translation>
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
            <translation>Intervallaufnahme</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Vollbild</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Ansicht wechseln</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Messen</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Dateien durchsuchen</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Gerät:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Format:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Auflösung:</translation>
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
            <translation>Belichtung und Verstärkung</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Farbeinstellung</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Weißabgleich</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Spiegeln</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Standardwerte wiederherstellen</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Erweiterte Einstellungen</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Optionen</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Datum/Uhrzeit</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Fadenkreuz</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Timer-Einstellungen</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importieren</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Auflösung</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Ein</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Aus</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Fotoordner</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Videoordner</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Bitte wählen und öffnen Sie zuerst den Zielordner: oben rechts „Dateien durchsuchen“ → „Foto“ → „image“ oder „Dateien durchsuchen“ → „Video“ → „movie“.</translation>
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
            <translation>Automatische Belichtung</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Belichtungszeit</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Verstärkung</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Helligkeit</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Kontrast</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Sättigung</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Farbton</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Schärfe</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Schwarzweiß</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Automatischer Weißabgleich</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Farbtemperatur</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Rot-Verstärkung</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Grün-Verstärkung</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Blau-Verstärkung</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Horizontal spiegeln</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Vertikal spiegeln</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Maßstabsbalken</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Vom Kameratreiber gewährte Bildrate</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Fokus</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Ein unerwarteter Fehler ist aufgetreten. Bitte wenden Sie sich an einen Techniker.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Messbericht</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Kamera</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Bildgröße</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Kalibrierung</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Nicht kalibriert</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Kalibrierfaktor</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Bildgröße bei der Kalibrierung</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Kamera der Kalibrierung</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Werkzeug</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Pixel</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Keine Messungen</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Fortsetzung nächste Seite</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Bericht exportieren…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Bericht exportieren</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>PDF-Dateien (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Der Bericht konnte nicht geschrieben werden: %1</translation>
        </message>
    </context>
</TS>
