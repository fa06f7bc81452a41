<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Reprendre</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Figer</translation>
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
            <translation>Version : V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Équipe de développement Vistrel. Tous droits réservés.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-mail :</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Site web :</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Dossier des photos</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Parcourir...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Dossier des vidéos</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>L'heure de début doit être postérieure à l'heure actuelle.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Heure de début</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Photo</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vidéo</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Intervalle</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Durée du clip</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Nombre total</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Prises réalisées</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Démarrer</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Arrêter</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Fermer</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Une erreur inattendue s'est produite. Veuillez contacter un technicien.</translation>
        </message>
    </context>
</TS>
