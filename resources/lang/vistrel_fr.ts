<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Aimanter aux bords</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Ajuster un cercle</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Analyse de particules</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Mesurer</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordonnées</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Ligne</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Polyligne</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Rectangle</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Polygone</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Lignes parallèles</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Perpendiculaire</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Grille</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Angle</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Arc</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Cercle</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Cercle par 2 points</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Cercle par 3 points</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Cercles concentriques</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Deux cercles</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Texte</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Déplacer</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Réticule</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Rétablir</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Tout effacer</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Formes</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Couleur</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Police</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Taille</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Étalonnage</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Étalonnage actif</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Liste des étalonnages</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Sauvegarder</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Restaurer</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Nouvel étalonnage</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Grossissement</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Longueur réelle</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Continue</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Tirets</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Supprimer toutes les mesures ?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>étalonné en %1 × %2, mis à l'échelle ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Impossible d'écrire le fichier de sauvegarde : %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>%1 étalonnages au facteur invalide ont été ignorés.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>Le fichier ne contient aucun étalonnage utilisable ; la liste reste inchangée.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Le fichier est illisible ou n'est pas une sauvegarde d'étalonnage ; la liste reste inchangée.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Remplacer les %2 étalonnages actuels par les %1 du fichier ?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Enregistrer aussi le CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Écrire aussi les mesures (CSV) à côté de l'image enregistrée</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Fichier d’étalonnage</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Ajouter à la liste</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Trouver l’échelle</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Trouve les graduations de l’échelle dans l’image et pose la règle de la première à la dernière</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Longueur d’une graduation</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>L’étalonnage « %1 » n’est plus dans la liste ; « %2 » est utilisé.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>L’étalonnage « %1 » n’est plus dans la liste ; les mesures sont en pixels.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Non étalonné (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>de la photo</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>La longueur réelle « %1 » n’est pas valide : saisissez une longueur supérieure à 0, par ex. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>La règle n’a pas de longueur : faites glisser ses extrémités sur celles d’une longueur connue</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Aucune échelle trouvée : placez les graduations dans l’image, nettes et entières</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Bande passante USB épuisée : utilisez MJPG ou une résolution plus petite, ou un autre port USB</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Pas l'autorisation d'ouvrir %1. Installez la règle udev du programme et rebranchez la caméra, ou ajoutez votre utilisateur au groupe video (sudo usermod -aG video $USER) puis reconnectez-vous.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>Le bouton de prise de vue du microscope est inutilisable : pas le droit de lire %1. Exécutez cette commande, puis rebranchez la caméra :
%2
ou ajoutez votre utilisateur au groupe input (sudo usermod -aG input $USER) et reconnectez-vous.</translation>
        </message>
    </context>
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
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Texte</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Aucune caméra détectée. Branchez le microscope directement sur un port USB.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Paramètres de l'appareil</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Cette caméra n'a aucun réglage modifiable.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Rétablir les valeurs par défaut</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Fermer</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Disque plein : %1 (%2 libres)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>Le dossier n'est pas accessible en écriture : %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Échec de l'écriture : %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>Le dossier n'est pas accessible en écriture : %1 (impossible de le créer dans %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Rechercher</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Nom de dossier non valide</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Nouveau dossier</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Dossier parent</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Trier</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Ce lien mène hors du dossier racine et n'est pas ouvert : %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 fichier(s)</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 dossier(s) contenant %2 élément(s)</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 fichier(s) et %2 dossier(s) contenant %3 élément(s)</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copier</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Tout supprimer</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Renommer</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Enregistrer sous</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Tout enregistrer sous</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Copie des fichiers...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Fichiers copiés : %1. Ignorés car le nom existe déjà : %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Type de fichier non pris en charge : %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Échec de la copie : %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Mettre %1 à la corbeille ?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>%1 élément(s) ne peuvent pas être mis à la corbeille (aucune corbeille disponible à cet endroit, par exemple sur un autre disque) : %2
Les supprimer définitivement ? Cette action est irréversible.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Impossible de supprimer : %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Nouveau nom :</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Nom non valide</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Le fichier existe déjà : %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Un fichier ne peut pas être copié sur lui-même : %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Un dossier ne peut pas être copié dans lui-même : %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Le fichier existe déjà : %1
Le remplacer ?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Déjà dans le dossier cible, non copiés : %1 fichier(s).</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Aucun programme n'est défini pour ouvrir ce fichier : %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Photos et vidéos</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Photos</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Tous les fichiers</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importer</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Hors du dossier racine, non supprimé : %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Hors du dossier racine, non renommé : %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Lecture impossible : %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Réparer l'enregistrement</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Réparation de l'enregistrement : %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Images trop grandes, non importées : %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Impossible de renommer %1 en %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Champ plat trop sombre : allumez l'éclairage et visez un champ vide</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Champ plat surexposé : réduisez l'exposition ou la luminosité</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Capturez d'abord un champ plat</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Échec de la capture : la caméra n'a envoyé aucune image</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Correction du champ plat</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Capturer le champ plat</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Capturer l'image noire</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Visez un champ vide et uniformément éclairé, puis capturez</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Éteignez l'éclairage ou couvrez l'objectif, puis capturez</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Capture en cours…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>L'appareil n'est pas démarré.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Aucun champ plat capturé à cette résolution</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Champ plat : %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, avec image noire</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Échec de la capture : la résolution a changé</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Impossible d'enregistrer les images du champ plat ; la correction vaut jusqu'à la fermeture du programme</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Empilement de mise au point</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Tournez la molette de mise au point jusqu'à ce que chaque partie de l'objet ait été nette, puis appuyez de nouveau sur Empilement de mise au point.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Enregistrer la carte de profondeur</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Terminer</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Empilement de mise au point</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 images fusionnées (%2 examinées)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Aucune image à fusionner</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Fusion en cours...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Un empilement de mise au point est en cours.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Sélectionnez au moins deux photos.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Lecture impossible : %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Impossible d'aligner : %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Enregistré : %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Échec de l'empilement : %1</translation>
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
        <message>
            <source>关于 Qt</source>
            <translation>À propos de Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Ce programme utilise les bibliothèques libres suivantes :</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Ajuster</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordonnées</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Échec de l'enregistrement</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Enregistrer sous</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Imprimer</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Le fichier d'annotations est endommagé et a été ignoré</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Étalonnage enregistré dans la photo utilisé : %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>L'image originale en cours de modification ne peut pas être écrasée ; choisissez un autre nom de fichier.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Photos</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Impossible d'ouvrir le fichier.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>Les mesures de %1 ne sont pas enregistrées. Les enregistrer ?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Lecture des formes de mesure : %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Fichier de formes trop volumineux (%1, limite %2), non lu : %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>N°</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Outil</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Étalonnage</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Échec de l'enregistrement</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Exporter les mesures…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copier</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>Tableau CSV</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Afficher les résultats dans une fenêtre</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Surface</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Périmètre</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diamètre équivalent</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Diamètre de Feret max.</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Diamètre de Feret min.</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Circularité</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Gris moyen</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Moyenne</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Écart type</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mosaïque</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Déplacez la platine pour composer la mosaïque ; appuyez à nouveau pour terminer.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Champ %1 ajouté</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Retour sur une zone déjà couverte : placement affiné.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Image floue (déplacement trop rapide) ; non ajoutée.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Impossible de placer cette vue (trop peu de recouvrement) ; non ajoutée.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>La mosaïque nécessiterait %1 Mo, plus que la mémoire ne le permet ; non ajoutée.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Assemblage…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Il faut au moins deux champs.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mosaïque enregistrée : %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Impossible à placer : %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Assemblage annulé.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>La mosaïque nécessiterait %1 Mo, plus que la mémoire ne le permet.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mosaïque non enregistrée : %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Assembler</translation>
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
            <translation>Oui</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Non</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Oui pour tout</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Ne pas enregistrer</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analyse en cours…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 particules</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histogramme</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diamètre équivalent</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Analyse de particules</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Objets sombres sur fond clair</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Objets clairs sur fond sombre</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Seuil automatique (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Remplir les trous</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Surface minimale (pixels)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Exclure les particules touchant le bord</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analyser</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>L'enregistrement %1 ne s'est pas terminé correctement et n'a pas pu être réparé ; il a été conservé tel quel.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>L'enregistrement %1 ne s'est pas terminé correctement et a été réparé ; il dure %2 secondes.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>L'enregistrement %1 ne s'est pas terminé correctement. Sa réparation demande %2 d'espace libre ; le disque n'a que %3. Libérez de la place : le prochain démarrage le réparera.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>L'enregistrement %1 ne s'est pas terminé correctement ; sa réparation n'a pas pu être écrite et il a été conservé tel quel. Le prochain démarrage réessaiera.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>La réparation de l'enregistrement %1 a été annulée ; le fichier est conservé tel quel et peut être réparé à nouveau.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Grille %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Cercles %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Grille/cercles %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Grille</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Cercles concentriques</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Grille et cercles</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Réticule</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Pas d'étalonnage : aucun réticule ne peut être affiché</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>En haut à gauche</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>En haut à droite</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>En bas à gauche</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>En bas à droite</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Pas d'étalonnage : pas de barre d'échelle</translation>
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
        <message>
            <source>立即开始</source>
            <translation>Démarrer maintenant</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Annuler la dernière action</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Rétablir</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Supprimer la forme sélectionnée</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Annuler la forme en cours ; sinon quitter le plein écran</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Prendre une photo</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Démarrer ou arrêter l'enregistrement</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>molette</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Zoomer autour du pointeur</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Raccourcis clavier</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Ajuster</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Impossible de démarrer l'appareil.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>L'appareil n'est pas démarré.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Arrêter</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vidéo</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Impossible d'ouvrir le fichier.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Échap : quitter le plein écran</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Image enregistrée</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Fréquence d'images</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordonnées</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>La série de photos programmée s'est arrêtée.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>La série de photos programmée s'est arrêtée : %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>La photo n'a pas été enregistrée : %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Prochaine photo dans %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Un enregistrement est en cours. L'arrêter et quitter ?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>La caméra « %1 » a été déconnectée.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>L'enregistrement a été enregistré : %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Afficher en grand</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Photo</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Fermer la caméra</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Image depuis un fichier…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Un enregistrement est en cours. La vue à quatre images exige de l'arrêter. Arrêter l'enregistrement ?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Impossible de modifier pendant l’enregistrement ; arrêtez d’abord l’enregistrement.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Plein écran</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Le programme est déjà lancé avec les mêmes réglages ; sa fenêtre a été mise au premier plan.
Ouvrir une autre fenêtre en lecture seule ? Une fenêtre en lecture seule n'enregistre aucun réglage.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>Le dossier d'enregistrement est hors du dossier racine ; rien n'a été enregistré : %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Les réglages ne peuvent pas être enregistrés : %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Impossible d'enregistrer les réglages dans %1. Les modifications (étalonnages compris) ne sont pas enregistrées pour l'instant ; le programme continue d'essayer. Vérifiez les droits du dossier et l'espace libre.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Enregistrement programmé arrêté : %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Séquence incomplète, non comptée : %1 n'a que %2 images sur %3.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>Impossible d'enregistrer en vue à quatre cases ; passez d'abord à la vue unique.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Les réglages n'ont pas pu être enregistrés dans %1 ; les modifications de cette session sont perdues.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Aucune image de %1 depuis %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>L'enregistrement s'est arrêté de façon inattendue, pour une raison inconnue.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>L'enregistrement s'est arrêté : %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>La plupart des images de %1 ne peuvent pas être décodées</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>L'enregistrement continue, complété par la dernière image</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Photo</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vidéo</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Capture programmée</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Plein écran</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Changer de vue</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Mesurer</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Parcourir les fichiers</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Appareil :</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Format :</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Résolution :</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Photo :</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Vidéo :</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Exposition et gain</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Réglage des couleurs</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Balance des blancs</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Miroir</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Rétablir les valeurs par défaut</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Paramètres avancés</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Options</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Date/heure</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Réticule</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Réglages de la minuterie</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importer</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Résolution</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Activé</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Dossier des photos</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Dossier des vidéos</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Imprimer</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Veuillez d'abord sélectionner et ouvrir le dossier d'enregistrement : en haut à droite, « Parcourir les fichiers » → « Photo » → « image », ou « Parcourir les fichiers » → « Vidéo » → « movie ».</translation>
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
            <translation>Exposition auto</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Temps d'exposition</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Gain</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Luminosité</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Contraste</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Saturation</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Teinte</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Netteté</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Noir et blanc</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Balance des blancs auto</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Température de couleur</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Gain rouge</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Gain vert</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Gain bleu</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Miroir horizontal</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Miroir vertical</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Barre d'échelle</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Fréquence d'images accordée par le pilote de la caméra</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Mise au point</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Une erreur inattendue s'est produite. Veuillez contacter un technicien.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Rapport de mesure</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Aucun</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Caméra</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Taille de l'image</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Étalonnage</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Non étalonné</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Facteur d'étalonnage</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Taille de l'image à l'étalonnage</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Caméra de l'étalonnage</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>N°</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Outil</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Aucune mesure</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Suite page suivante</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Exporter le rapport…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Exporter le rapport</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>Fichiers PDF (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Impossible d'écrire le rapport : %1</translation>
        </message>
    </context>
</TS>
