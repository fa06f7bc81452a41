<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Ajustar a los bordes</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Ajustar círculo</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Análisis de partículas</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Medir</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordenadas</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Línea</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Polilínea</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Rectángulo</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Polígono</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Líneas paralelas</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Perpendicular</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Cuadrícula</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Ángulo</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Arco</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Círculo</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Círculo por 2 puntos</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Círculo por 3 puntos</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Círculos concéntricos</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Dos círculos</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Texto</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Mover</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Retícula</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Deshacer</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Rehacer</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Borrar todo</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Formas</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Color</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Fuente</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Tamaño</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibración</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Calibración activa</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Editar</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Lista de calibraciones</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Respaldo</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Restaurar</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Nueva calibración</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Aumento</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Longitud real</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Añadir</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Continua</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Discontinua</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>¿Eliminar todas las mediciones?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>calibrado a %1 × %2, escalado ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>No se ha podido escribir el archivo de copia de seguridad: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>Se han omitido %1 calibraciones con un factor no válido.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>El archivo no contiene ninguna calibración utilizable; la lista no ha cambiado.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>El archivo no se puede leer o no es una copia de seguridad de calibraciones; la lista no ha cambiado.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>¿Sustituir las %2 calibraciones actuales por las %1 del archivo?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Guardar también CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Escribir también las mediciones (CSV) junto a la imagen guardada</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Archivo de calibración</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Añadir a la lista</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Buscar la escala</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Busca las marcas de la escala en la imagen y coloca la regla de la primera a la última</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Longitud de una división</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>La calibración «%1» ya no está en la lista; ahora se usa «%2».</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>La calibración «%1» ya no está en la lista; las medidas se muestran en píxeles.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Sin calibrar (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>de la foto</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>La longitud real «%1» no es válida: introduzca una longitud mayor que 0, p. ej. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>La regla no tiene longitud: arrastre sus extremos a los de una longitud conocida</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>No se encontró ninguna escala: encuadre las marcas de la escala, nítidas y completas</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Ancho de banda USB agotado: use MJPG o una resolución menor, u otro puerto USB</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Sin permiso para abrir %1. Instale la regla udev del programa y vuelva a conectar la cámara, o añada su usuario al grupo video (sudo usermod -aG video $USER) y vuelva a iniciar sesión.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>El botón de captura del microscopio no se puede usar: no hay permiso para leer %1. Ejecute este comando y vuelva a conectar la cámara:
%2
o añada su usuario al grupo input (sudo usermod -aG input $USER) y vuelva a iniciar sesión.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Descongelar</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Congelar</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Texto</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>No se detecta ninguna cámara. Conecte el microscopio directamente a un puerto USB.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Ajustes del dispositivo</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Esta cámara no tiene ajustes configurables.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Restaurar valores predeterminados</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Cerrar</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Disco lleno: %1 (%2 libres)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>La carpeta no admite escritura: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Error de escritura: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>La carpeta no admite escritura: %1 (no se puede crear en %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Buscar</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Nombre de carpeta no válido</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Nueva carpeta</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Subir un nivel</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Ordenar</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Este enlace lleva fuera de la carpeta raíz y no se abre: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 archivo(s)</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 carpeta(s) con %2 elemento(s)</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 archivo(s) y %2 carpeta(s) con %3 elemento(s)</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Eliminar todo</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Cambiar nombre</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Guardar como</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Guardar todo como</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Copiando archivos...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Archivos copiados: %1. Omitidos (el nombre ya existe): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Tipo de archivo no compatible: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Error al copiar: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>¿Mover %1 a la papelera?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>%1 elemento(s) no se pueden mover a la papelera (allí no hay papelera disponible, por ejemplo en otro disco): %2
¿Eliminarlos definitivamente? Esta acción no se puede deshacer.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>No se pudo eliminar: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Nuevo nombre:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Nombre no válido</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>El archivo ya existe: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Un archivo no se puede copiar sobre sí mismo: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Una carpeta no se puede copiar dentro de sí misma: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>El archivo ya existe: %1
¿Reemplazarlo?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Ya están en la carpeta de destino, no se copiaron: %1 archivo(s).</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>No hay ningún programa configurado para abrir este archivo: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Fotos y vídeos</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fotos</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Todos los archivos</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Fuera de la carpeta raíz, no se ha eliminado: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Fuera de la carpeta raíz, no se ha renombrado: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>No se puede leer: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Reparar grabación</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Reparando la grabación: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Imágenes demasiado grandes, no importadas: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>No se puede cambiar el nombre de %1 a %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Campo plano demasiado oscuro: encienda la luz y apunte a un campo vacío</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Campo plano sobreexpuesto: reduzca la exposición o el brillo</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Primero capture un campo plano</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Error de captura: la cámara no envió imagen</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Corrección de campo plano</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Capturar campo plano</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Capturar imagen oscura</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Apunte a un campo vacío e iluminado uniformemente y capture</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Apague la luz o tape el objetivo y capture</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Capturando…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>El dispositivo no está iniciado.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>No hay campo plano capturado en esta resolución</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Campo plano: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, con imagen oscura</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Error de captura: la resolución cambió</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>No se pudieron guardar las imágenes de campo plano; la corrección dura hasta cerrar el programa</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Apilado de enfoque</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Gire el mando de enfoque hasta que cada parte del objeto haya estado nítida y pulse de nuevo Apilado de enfoque.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Guardar mapa de profundidad</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Terminar</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Apilado de enfoque</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 fotogramas fusionados (%2 examinados)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>No hay fotogramas que fusionar</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Fusionando...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Hay un apilado de enfoque en curso.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Seleccione al menos dos fotos.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>No se puede leer: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>No se puede alinear: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Guardado: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Error en el apilado de enfoque: %1</translation>
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
            <translation>Versión: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Equipo de desarrollo de Vistrel. Todos los derechos reservados.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>Correo electrónico:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Sitio web:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>Acerca de Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Este programa usa las siguientes bibliotecas de código abierto:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Ajustar</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordenadas</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Error al guardar</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Guardar como</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Imprimir</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>El archivo de anotaciones está dañado y se ha ignorado</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Se usa la calibración guardada en la foto: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>No se puede sobrescribir la imagen original que se está editando; elija otro nombre de archivo.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fotos</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>No se pudo abrir el archivo.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>Las mediciones de %1 no están guardadas. ¿Guardarlas?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Leyendo las formas de medición: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Archivo de formas demasiado grande (%1, límite %2), no leído: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>N.º</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Herramienta</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unidad</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Píxeles</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibración</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Error al guardar</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Exportar mediciones…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>Tabla CSV</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Mostrar resultados en una ventana</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Área</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Perímetro</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diámetro equivalente</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Diámetro de Feret máx.</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Diámetro de Feret mín.</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Circularidad</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Gris medio</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Cantidad</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Media</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Desviación estándar</translation>
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
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Mueva la platina para componer el mosaico; pulse de nuevo para terminar.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Campo %1 añadido</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>De vuelta sobre zona cubierta: colocación refinada.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Imagen borrosa (movimiento demasiado rápido); no añadida.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>No se puede colocar esta vista (poco solapamiento); no añadida.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>El mosaico necesitaría %1 MB, más de lo que permite la memoria; no añadido.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Uniendo…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Se necesitan al menos dos campos.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mosaico guardado: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>No se puede colocar: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Unión cancelada.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>El mosaico necesitaría %1 MB, más de lo que permite la memoria.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mosaico no guardado: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Unir</translation>
        </message>
    </context>
    <context>
        <name>Notifier</name>
        <message>
            <source>确定</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>是</source>
            <translation>Sí</translation>
        </message>
        <message>
            <source>否</source>
            <translation>No</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Sí a todo</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>No guardar</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analizando…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 partículas</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diámetro equivalente</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Análisis de partículas</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Objetos oscuros sobre claro</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Objetos claros sobre oscuro</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Umbral automático (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Rellenar huecos</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Área mínima (píxeles)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Excluir partículas en el borde</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analizar</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>La grabación %1 no terminó correctamente y no se pudo reparar; se ha conservado tal cual.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>La grabación %1 no terminó correctamente y se ha reparado; dura %2 segundos.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>La grabación %1 no terminó correctamente. Su reparación necesita %2 de espacio libre; el disco solo tiene %3. Libere espacio: el próximo inicio la reparará de nuevo.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>La grabación %1 no terminó correctamente; no se pudo escribir su reparación y se ha conservado tal cual. El próximo inicio lo intentará de nuevo.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>Se canceló la reparación de la grabación %1; el archivo se conservó tal cual y puede repararse de nuevo.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Cuadrícula %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Círculos %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Cuadrícula/círculos %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Desactivado</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Cuadrícula</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Círculos concéntricos</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Cuadrícula y círculos</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Retícula</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Sin calibración: no se puede mostrar la retícula</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Arriba a la izquierda</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Arriba a la derecha</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Abajo a la izquierda</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Abajo a la derecha</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Posición</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Sin calibración: no hay barra de escala</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Carpeta de fotos</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Examinar...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Carpeta de vídeos</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>La hora de inicio debe ser posterior a la hora actual.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Hora de inicio</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vídeo</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Intervalo</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Duración del clip</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Cantidad total</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Tomas realizadas</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Iniciar</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Detener</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Iniciar ahora</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Deshacer el último paso</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Rehacer</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Eliminar la forma seleccionada</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Cancelar la forma en curso; si no, salir de pantalla completa</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Tomar una foto</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Iniciar o detener la grabación</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>rueda</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Zoom alrededor del puntero</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Atajos de teclado</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Deshacer</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Ajustar</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>No se pudo iniciar el dispositivo.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>El dispositivo no está iniciado.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Detener grabación</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vídeo</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>No se pudo abrir el archivo.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc: salir de pantalla completa</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Imagen guardada</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Velocidad de fotogramas</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordenadas</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>La serie de fotos programada se ha detenido.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>La serie de fotos programada se ha detenido: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>La foto no se ha guardado: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Próxima foto en %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Hay una grabación en curso. ¿Detenerla y salir?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>La cámara "%1" se desconectó.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>La grabación se guardó: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Mostrar en vista grande</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Cerrar cámara</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Imagen desde archivo…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Hay una grabación en curso. La vista de cuatro imágenes requiere detenerla. ¿Detener la grabación?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>No se puede cambiar durante la grabación; detenga primero la grabación.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Pantalla completa</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Editar</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>El programa ya se está ejecutando con la misma configuración; su ventana se ha traído al frente.
¿Abrir otra ventana de solo lectura? Una ventana de solo lectura no guarda ninguna configuración.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>La carpeta de guardado está fuera de la carpeta raíz; no se ha guardado nada: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>No se puede guardar la configuración: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>No se puede guardar la configuración en %1. Los cambios (calibraciones incluidas) no se guardan por ahora; el programa sigue intentándolo. Compruebe los permisos de la carpeta y el espacio libre.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Grabación programada detenida: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Clip incompleto, no contado: %1 solo tiene %2 de %3 fotogramas.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>No se puede grabar en la vista de cuatro paneles; cambie primero a la vista única.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>No se pudo guardar la configuración en %1; los cambios de esta sesión se pierden.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Sin imagen de %1 desde hace %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>La grabación se detuvo inesperadamente por un motivo desconocido.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>La grabación se detuvo: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>La mayoría de las imágenes de %1 no se puede decodificar</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>La grabación continúa, completada con la última imagen</translation>
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
            <translation>Vídeo</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Captura programada</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Pantalla completa</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Cambiar vista</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Configuración</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Medir</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Explorar archivos</translation>
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
            <translation>Resolución:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Foto:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Vídeo:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Exposición y ganancia</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Ajuste de color</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Balance de blancos</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Voltear</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Restaurar valores predeterminados</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Configuración avanzada</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Opciones</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Fecha/hora</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Retícula</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Ajustes del temporizador</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Resolución</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Activado</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Desactivado</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Carpeta de fotos</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Carpeta de vídeos</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Imprimir</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Primero seleccione y abra la carpeta de destino: arriba a la derecha, «Explorar archivos» → «Foto» → «image» o «Explorar archivos» → «Vídeo» → «movie».</translation>
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
            <translation>Exposición automática</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Tiempo de exposición</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Ganancia</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Brillo</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Contraste</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Saturación</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Tono</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Nitidez</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Blanco y negro</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Balance de blancos automático</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Temperatura de color</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Ganancia de rojo</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Ganancia de verde</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Ganancia de azul</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Voltear horizontalmente</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Voltear verticalmente</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Barra de escala</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Velocidad de fotogramas concedida por el controlador de la cámara</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Enfoque</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Se ha producido un error inesperado. Póngase en contacto con un técnico.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Informe de medición</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Ninguno</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Cámara</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Tamaño de imagen</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibración</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Sin calibrar</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Factor de calibración</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Tamaño de imagen al calibrar</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Cámara de la calibración</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>N.º</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Herramienta</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unidad</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Píxeles</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Sin mediciones</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Continúa en la página siguiente</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Exportar informe…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Exportar informe</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>Archivos PDF (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>No se pudo escribir el informe: %1</translation>
        </message>
    </context>
</TS>
