<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
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
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Wystąpił nieoczekiwany błąd. Skontaktuj się z serwisem.</translation>
        </message>
    </context>
</TS>
