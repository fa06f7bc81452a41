<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
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
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Se ha producido un error inesperado. Póngase en contacto con un técnico.</translation>
        </message>
    </context>
</TS>
