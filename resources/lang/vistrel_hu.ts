<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="zh_CN">
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
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Váratlan hiba történt. Forduljon a szervizhez.</translation>
        </message>
    </context>
</TS>
