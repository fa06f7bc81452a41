<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="zh_CN">
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
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Įvyko netikėta klaida. Kreipkitės į inžinierių.</translation>
        </message>
    </context>
</TS>
