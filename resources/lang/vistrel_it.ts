<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Aggancia ai bordi</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Adatta cerchio</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Analisi delle particelle</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Misura</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordinate</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Linea</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Polilinea</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Rettangolo</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Poligono</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Linee parallele</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Perpendicolare</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Griglia</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Angolo</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Arco</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Cerchio</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Cerchio per 2 punti</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Cerchio per 3 punti</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Cerchi concentrici</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Due cerchi</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Testo</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Sposta</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Reticolo</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Ripeti</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Cancella tutto</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Forme</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Colore</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Carattere</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Dimensione</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibrazione</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Calibrazione attiva</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Modifica</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Elenco calibrazioni</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Backup</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Ripristina</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Nuova calibrazione</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Ingrandimento</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Lunghezza reale</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Continua</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Tratteggiata</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Eliminare tutte le misure?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>calibrato a %1 × %2, scalato ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Impossibile scrivere il file di backup: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>%1 calibrazioni con un fattore non valido sono state ignorate.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>Il file non contiene calibrazioni utilizzabili; l'elenco non è cambiato.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Il file non è leggibile o non è un backup di calibrazione; l'elenco non è cambiato.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Sostituire le %2 calibrazioni attuali con le %1 del file?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Salva anche CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Scrivi anche le misure (CSV) accanto all'immagine salvata</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>File di calibrazione</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Aggiungi all’elenco</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Trova la scala</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Trova le tacche della scala nell’immagine e posa il righello dalla prima all’ultima</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Lunghezza di una divisione</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>La calibrazione «%1» non è più nell’elenco; ora si usa «%2».</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>La calibrazione «%1» non è più nell’elenco; le misure sono in pixel.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Non calibrato (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>dalla foto</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>La lunghezza reale «%1» non è valida: inserire una lunghezza maggiore di 0, ad es. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>Il righello non ha lunghezza: trascinarne gli estremi su quelli di una lunghezza nota</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Nessuna scala trovata: inquadrare le tacche della scala, nitide e intere</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Larghezza di banda USB esaurita: usare MJPG o una risoluzione più bassa, oppure un'altra porta USB</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Nessun permesso per aprire %1. Installare la regola udev del programma e ricollegare la telecamera, oppure aggiungere l'utente al gruppo video (sudo usermod -aG video $USER) e accedere di nuovo.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>Il pulsante di scatto del microscopio non è utilizzabile: nessun permesso di leggere %1. Eseguire questo comando, poi ricollegare la fotocamera:
%2
oppure aggiungere l'utente al gruppo input (sudo usermod -aG input $USER) e accedere di nuovo.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Sblocca</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Blocca</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Testo</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Nessuna telecamera rilevata. Collegare il microscopio direttamente a una porta USB.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Impostazioni del dispositivo</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Questa fotocamera non ha impostazioni regolabili.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Ripristina predefiniti</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Chiudi</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Disco pieno: %1 (%2 liberi)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>La cartella non è scrivibile: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Scrittura non riuscita: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>La cartella non è scrivibile: %1 (impossibile crearla in %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Cerca</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Nome cartella non valido</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Nuova cartella</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Livello superiore</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Ordina</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Questo collegamento porta fuori dalla cartella radice e non viene aperto: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 file</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 cartella/e con %2 elemento/i</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 file e %2 cartella/e con %3 elemento/i</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Apri</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copia</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Elimina tutto</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Rinomina</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Salva con nome</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Salva tutto con nome</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Copia dei file in corso...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>File copiati: %1. Saltati perché il nome esiste già: %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Tipo di file non supportato: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Copia non riuscita: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Spostare %1 nel cestino?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>Impossibile spostare nel cestino %1 elemento/i (nessun cestino disponibile in quella posizione, ad esempio su un altro disco): %2
Eliminarli definitivamente? L'operazione non può essere annullata.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Impossibile eliminare: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Nuovo nome:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Nome non valido</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Il file esiste già: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Un file non può essere copiato su se stesso: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Una cartella non può essere copiata in se stessa: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Il file esiste già: %1
Sostituirlo?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Già nella cartella di destinazione, non copiati: %1 file.</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Nessun programma impostato per aprire questo file: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Foto e video</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Tutti i file</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importa</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Fuori dalla cartella radice, non eliminato: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Fuori dalla cartella radice, non rinominato: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Impossibile leggere: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Ripara registrazione</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Riparazione della registrazione: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Immagini troppo grandi, non importate: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Impossibile rinominare %1 in %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Flat-field troppo scuro: accendi la luce e inquadra un campo vuoto</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Flat-field sovraesposto: riduci esposizione o luminosità</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Acquisisci prima un flat-field</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Acquisizione non riuscita: la fotocamera non ha inviato immagini</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Correzione flat-field</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Acquisisci flat-field</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Acquisisci dark frame</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Inquadra un campo vuoto e illuminato uniformemente, poi acquisisci</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Spegni la luce o copri l'obiettivo, poi acquisisci</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Acquisizione…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Il dispositivo non è avviato.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Nessun flat-field acquisito a questa risoluzione</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Flat-field: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, con dark frame</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Acquisizione non riuscita: la risoluzione è cambiata</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Impossibile salvare le immagini flat-field; la correzione vale fino alla chiusura del programma</translation>
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
            <translation>Ruota la manopola di messa a fuoco finché ogni parte dell'oggetto è stata nitida, poi premi di nuovo Focus stacking.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Salva mappa di profondità</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Fine</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annulla</translation>
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
            <translation>%1 fotogrammi fusi (%2 esaminati)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Nessun fotogramma da fondere</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Fusione in corso...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>È in corso un focus stacking.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Seleziona almeno due foto.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Impossibile leggere: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Impossibile allineare: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Salvato: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Focus stacking non riuscito: %1</translation>
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
            <translation>Versione: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Team di sviluppo Vistrel. Tutti i diritti riservati.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-mail:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Sito web:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>Informazioni su Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Questo programma usa le seguenti librerie open source:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Adatta</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordinate</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Salvataggio non riuscito</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Salva con nome</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Stampa</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Il file delle annotazioni è danneggiato ed è stato ignorato</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Uso la calibrazione salvata nella foto: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>Non è possibile sovrascrivere l'immagine originale in modifica; scegliere un altro nome di file.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Impossibile aprire il file.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>Le misure in %1 non sono salvate. Salvarle?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Lettura delle forme di misura: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>File delle forme troppo grande (%1, limite %2), non letto: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>N.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valore</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unità</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Pixel</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibrazione</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Salvataggio non riuscito</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Esporta misure…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copia</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>Tabella CSV</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Mostra i risultati in una finestra</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Area</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Perimetro</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diametro equivalente</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Diametro di Feret max</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Diametro di Feret min</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Circolarità</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Grigio medio</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Numero</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Media</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Deviazione standard</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mosaico</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Sposta il tavolino per comporre il mosaico; premi di nuovo per finire.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Campo %1 aggiunto</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Di nuovo su un'area già coperta: posizionamento affinato.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Immagine sfocata (movimento troppo rapido); non aggiunta.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Impossibile posizionare questa vista (sovrapposizione insufficiente); non aggiunta.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>Il mosaico richiederebbe %1 MB, più di quanto la memoria consenta; non aggiunto.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Unione in corso…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Servono almeno due campi.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mosaico salvato: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Impossibile posizionare: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Unione annullata.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>Il mosaico richiederebbe %1 MB, più di quanto la memoria consenta.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mosaico non salvato: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Unisci</translation>
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
            <translation>Sì</translation>
        </message>
        <message>
            <source>否</source>
            <translation>No</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Sì a tutto</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Non salvare</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analisi in corso…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 particelle</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Istogramma</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diametro equivalente</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Analisi delle particelle</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Oggetti scuri su chiaro</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Oggetti chiari su scuro</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Soglia automatica (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Riempi i fori</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Area minima (pixel)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Escludi le particelle sul bordo</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analizza</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>La registrazione %1 non si è chiusa correttamente e non è stato possibile ripararla; è stata conservata così com'è.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>La registrazione %1 non si è chiusa correttamente ed è stata riparata; dura %2 secondi.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>La registrazione %1 non è terminata correttamente. La riparazione richiede %2 di spazio libero; il disco ne ha solo %3. Liberare spazio: al prossimo avvio verrà riparata.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>La registrazione %1 non è terminata correttamente; la riparazione non è stata scritta ed è stata conservata così com'era. Al prossimo avvio si riproverà.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>La riparazione della registrazione %1 è stata annullata; il file è stato conservato così com'era e può essere riparato di nuovo.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Griglia %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Cerchi %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Griglia/cerchi %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Disattivato</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Griglia</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Cerchi concentrici</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Griglia e cerchi</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Reticolo</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Nessuna calibrazione: impossibile mostrare il reticolo</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>In alto a sinistra</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>In alto a destra</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>In basso a sinistra</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>In basso a destra</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Posizione</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Nessuna calibrazione: nessuna barra di scala</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Cartella foto</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Sfoglia...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Cartella video</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>L'ora di inizio deve essere successiva all'ora attuale.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Ora di inizio</translation>
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
            <translation>Intervallo</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Durata clip</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Numero totale</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Scatti eseguiti</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Avvia</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Ferma</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Avvia ora</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Annulla l'ultima azione</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Ripeti</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Elimina la forma selezionata</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Annulla la forma in corso; altrimenti esci dallo schermo intero</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Scatta una foto</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Avvia o ferma la registrazione</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>rotellina</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Zoom attorno al puntatore</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Scorciatoie da tastiera</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Adatta</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Impossibile avviare il dispositivo.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Il dispositivo non è avviato.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Ferma registrazione</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Impossibile aprire il file.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc: esci da schermo intero</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Immagine salvata</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Frequenza fotogrammi</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordinate</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>La serie di foto programmata si è interrotta.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>La serie di foto programmata si è interrotta: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>La foto non è stata salvata: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Prossimo scatto tra %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>È in corso una registrazione. Interromperla e uscire?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>La fotocamera "%1" è stata scollegata.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>La registrazione è stata salvata: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Mostra in grande</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Chiudi fotocamera</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Immagine da file…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>È in corso una registrazione. La vista a quattro riquadri richiede di fermarla. Fermare la registrazione?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Non modificabile durante la registrazione; interrompi prima la registrazione.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Schermo intero</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Modifica</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Il programma è già in esecuzione con le stesse impostazioni; la sua finestra è stata portata in primo piano.
Aprire un'altra finestra in sola lettura? Una finestra in sola lettura non salva impostazioni.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>La cartella di salvataggio è fuori dalla cartella radice; non è stato salvato nulla: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Le impostazioni non possono essere salvate: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Impossibile salvare le impostazioni in %1. Le modifiche (calibrazioni comprese) per ora non vengono salvate; il programma continua a riprovare. Controllare i permessi della cartella e lo spazio libero.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Registrazione programmata interrotta: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Clip incompleto, non conteggiato: %1 ha solo %2 fotogrammi su %3.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>Non è possibile registrare nella vista a quattro riquadri; passare prima alla vista singola.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Non è stato possibile salvare le impostazioni in %1; le modifiche di questa sessione sono perse.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Nessuna immagine da %1 da %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>La registrazione si è interrotta inaspettatamente, per motivo sconosciuto.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>La registrazione si è interrotta: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>La maggior parte delle immagini di %1 non può essere decodificata</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>La registrazione continua, completata con l'ultima immagine</translation>
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
            <translation>Acquisizione a tempo</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Schermo intero</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Cambia vista</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Misura</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Sfoglia file</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Dispositivo:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Formato:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Risoluzione:</translation>
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
            <translation>Esposizione e guadagno</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Regolazione colore</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Bilanciamento del bianco</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Capovolgi</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Ripristina predefiniti</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Impostazioni avanzate</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Opzioni</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Data/ora</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Reticolo</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Aiuto</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Esci</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Informazioni</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Impostazioni timer</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importa</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Risoluzione</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Attivo</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Disattivo</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Cartella foto</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Cartella video</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Stampa</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Selezionare e aprire prima la cartella di salvataggio: in alto a destra, «Sfoglia file» → «Foto» → «image» oppure «Sfoglia file» → «Video» → «movie».</translation>
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
            <translation>Esposizione automatica</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Tempo di esposizione</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Guadagno</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Luminosità</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Contrasto</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Saturazione</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Tonalità</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Nitidezza</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Bianco e nero</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Bilanciamento del bianco automatico</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Temperatura colore</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Guadagno rosso</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Guadagno verde</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Guadagno blu</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Capovolgi orizzontalmente</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Capovolgi verticalmente</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Barra di scala</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Frequenza fotogrammi concessa dal driver della fotocamera</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Messa a fuoco</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Si è verificato un errore imprevisto. Contattare un tecnico.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Rapporto di misura</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Nessuno</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Fotocamera</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Dimensioni immagine</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibrazione</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Non calibrato</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Fattore di calibrazione</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Dimensioni immagine alla calibrazione</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Fotocamera della calibrazione</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>N.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valore</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unità</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Pixel</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Nessuna misura</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Continua alla pagina seguente</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Esporta rapporto…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Esporta rapporto</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>File PDF (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Impossibile scrivere il rapporto: %1</translation>
        </message>
    </context>
</TS>
