<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="zh_CN">
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Розморозити</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Заморозити</translation>
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
            <translation>Версія: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>© 2026 Команда розробників Vistrel. Усі права захищено.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>Ел. пошта:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Вебсайт:</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Папка для фото</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Огляд...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Папка для відео</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Скасувати</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>Час початку має бути пізнішим за поточний час.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Час початку</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Відео</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Інтервал</translation>
        </message>
        <message>
            <source>s</source>
            <translation>с</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Тривалість відео</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Загальна кількість</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Виконано</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Почати</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Зупинити</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Закрити</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Сталася неочікувана помилка. Зверніться до інженера.</translation>
        </message>
    </context>
</TS>
