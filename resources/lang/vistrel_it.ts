<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
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
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Si è verificato un errore imprevisto. Contattare un tecnico.</translation>
        </message>
    </context>
</TS>
