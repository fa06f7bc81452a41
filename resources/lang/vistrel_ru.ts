<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Привязка к краям</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Вписать окружность</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Анализ частиц</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Измерение</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Координаты</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Линия</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Ломаная</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Прямоугольник</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Многоугольник</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Параллельные линии</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Перпендикуляр</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Сетка</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Угол</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Дуга</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Окружность</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Окружность по 2 точкам</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Окружность по 3 точкам</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Концентрические окружности</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Две окружности</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Текст</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Переместить</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Перекрестие</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Отменить</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Повторить</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Очистить</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Фигуры</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Цвет</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Шрифт</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Размер</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Калибровка</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Текущая калибровка</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Изменить</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Список калибровок</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Копия</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Восстановить</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Новая калибровка</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Увеличение</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Реальная длина</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Добавить</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Сплошная</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Пунктирная</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Удалить все измерения?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>откалибровано при %1 × %2, масштаб ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Не удалось записать файл резервной копии: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>Пропущено калибровок с недопустимым коэффициентом: %1.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>В файле нет пригодных калибровок; список не изменён.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Файл не читается или не является резервной копией калибровок; список не изменён.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Заменить текущие калибровки (%2) калибровками из файла (%1)?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Результаты</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Сохранять и CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Также записывать измерения (CSV) рядом с сохранённым изображением</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Файл калибровки</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Добавить в список</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Найти шкалу</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Находит деления шкалы на изображении и кладёт линейку от первого до последнего</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Длина одного деления</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>Калибровки «%1» больше нет в списке; используется «%2».</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>Калибровки «%1» больше нет в списке; измерения показаны в пикселях.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Без калибровки (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>из фотографии</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>Реальная длина «%1» недопустима: введите длину больше 0, например %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>У линейки нет длины: перетащите её концы к концам известного отрезка</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Шкала не найдена: поместите деления шкалы в кадр целиком и резко</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Недостаточно пропускной способности USB: используйте MJPG или меньшее разрешение либо другой USB-порт</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Нет прав на открытие %1. Установите правило udev программы и переподключите камеру или добавьте пользователя в группу video (sudo usermod -aG video $USER) и войдите в систему заново.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>Кнопка съёмки на микроскопе не работает: нет прав на чтение %1. Выполните эту команду и снова подключите камеру:
%2
или добавьте пользователя в группу input (sudo usermod -aG input $USER) и войдите заново.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Разморозить</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Заморозить</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Текст</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Камера не обнаружена. Подключите микроскоп напрямую к USB-порту.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Настройки устройства</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>У этой камеры нет настраиваемых параметров.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Сбросить настройки</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Закрыть</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Диск заполнен: %1 (свободно %2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>Папка недоступна для записи: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Ошибка записи: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>Папка недоступна для записи: %1 (не удаётся создать в %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Поиск</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Имя</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Недопустимое имя папки</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Новая папка</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>На уровень вверх</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Сортировка</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Эта ссылка ведёт за пределы корневой папки и не открывается: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>файлов: %1</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>папок: %1, в них элементов: %2</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>файлов: %1, папок: %2, в них элементов: %3</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Открыть</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Копировать</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Удалить все</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Переименовать</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Сохранить как</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Сохранить все как</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Копирование файлов...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Скопировано файлов: %1. Пропущено (имя уже занято): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Неподдерживаемый тип файла: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Ошибка копирования: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Переместить в корзину (%1)?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>Элементов, которые нельзя переместить в корзину (там нет доступной корзины, например на другом диске): %1 — %2
Удалить их навсегда? Это действие нельзя отменить.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Не удалось удалить: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Имя</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Новое имя:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Недопустимое имя</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Файл уже существует: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Файл нельзя скопировать в самого себя: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Папку нельзя скопировать внутрь самой себя: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Файл уже существует: %1
Заменить его?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Уже в целевой папке, не скопировано файлов: %1.</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Не задана программа для открытия этого файла: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Фото и видео</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Все файлы</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Импорт</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Вне корневой папки, не удалено: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Вне корневой папки, не переименовано: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Не удаётся прочитать: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Восстановить запись</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Восстановление записи: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Слишком большие изображения не импортированы: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Не удаётся переименовать %1 в %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Плоское поле слишком тёмное: включите свет и наведите на пустое поле</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Плоское поле пересвечено: уменьшите экспозицию или яркость</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Сначала снимите плоское поле</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Съёмка не удалась: камера не прислала изображение</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Коррекция плоского поля</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Снять плоское поле</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Снять темновой кадр</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Наведите на пустое, равномерно освещённое поле и снимите</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Выключите свет или закройте объектив и снимите</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Съёмка…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Устройство не запущено.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Для этого разрешения плоское поле не снято</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Плоское поле: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, с темновым кадром</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Съёмка не удалась: разрешение изменилось</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Не удалось сохранить снимки плоского поля; коррекция действует до закрытия программы</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Фокус-стекинг</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Вращайте ручку фокусировки, пока каждая часть объекта не станет резкой, затем снова нажмите «Фокус-стекинг».</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Сохранить карту глубины</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Готово</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Фокус-стекинг</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>Объединено кадров: %1 (просмотрено: %2)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Нет кадров для объединения</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Объединение...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Фокус-стекинг уже выполняется.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Выберите не менее двух фотографий.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Не удалось прочитать: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Не удалось выровнять: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Сохранено: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Ошибка фокус-стекинга: %1</translation>
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
            <translation>Версия: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>© 2026 Команда разработчиков Vistrel. Все права защищены.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>Эл. почта:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Сайт:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>О Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Программа использует следующие библиотеки с открытым кодом:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>По размеру</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Координаты</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Не удалось сохранить</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Сохранить как</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Печать</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Файл аннотаций повреждён и пропущен</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Используется калибровка из фотографии: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>Нельзя перезаписать редактируемый оригинал; выберите другое имя файла.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Не удалось открыть файл.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>Измерения в %1 не сохранены. Сохранить их?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Чтение фигур измерения: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Файл фигур слишком велик (%1, предел %2), не прочитан: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>№</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Инструмент</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Имя</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Значение</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Единица</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Пиксели</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Калибровка</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Не удалось сохранить</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Экспорт измерений…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Копировать</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>Таблица CSV</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Показать результаты в окне</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Площадь</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Периметр</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Эквивалентный диаметр</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Макс. диаметр Ферета</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Мин. диаметр Ферета</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Округлость</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Средний уровень серого</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Количество</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Среднее</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Стандартное отклонение</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Мозаика</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Перемещайте столик, чтобы собрать мозаику; нажмите ещё раз для завершения.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Поле %1 добавлено</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Возврат на снятый участок: размещение уточнено.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Изображение смазано (слишком быстрое движение); не добавлено.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Не удаётся разместить этот вид (слишком малое перекрытие); не добавлено.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>Мозаике потребуется %1 МБ — больше, чем позволяет память; не добавлено.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Сшивание…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Нужно как минимум два поля.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Мозаика сохранена: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Не удаётся разместить: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Сшивание отменено.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>Мозаике потребуется %1 МБ — больше, чем позволяет память.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Мозаика не сохранена: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Сшить</translation>
        </message>
    </context>
    <context>
        <name>Notifier</name>
        <message>
            <source>确定</source>
            <translation>ОК</translation>
        </message>
        <message>
            <source>是</source>
            <translation>Да</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Да для всех</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Не сохранять</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Анализ…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>Частиц: %1</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Гистограмма</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Эквивалентный диаметр</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Анализ частиц</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Тёмные объекты на светлом</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Светлые объекты на тёмном</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Автоматический порог (Оцу)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Заполнить отверстия</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Минимальная площадь (пиксели)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Исключить частицы у края</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Анализировать</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>Запись %1 не была завершена и не может быть восстановлена; файл сохранён как есть.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>Запись %1 не была завершена и восстановлена; её длительность %2 с.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>Запись %1 не была завершена правильно. Для восстановления нужно %2 свободного места, на диске только %3. Освободите место: при следующем запуске восстановление повторится.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>Запись %1 не была завершена правильно; восстановленную копию не удалось записать, файл оставлен как был. При следующем запуске попытка повторится.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>Восстановление записи %1 отменено; файл сохранён без изменений, его можно восстановить снова.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Сетка %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Круги %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Сетка/круги %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Выкл.</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Сетка</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Концентрические круги</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Сетка и круги</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Сетка окуляра</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Нет калибровки: сетку нельзя показать</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Слева вверху</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Справа вверху</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Слева внизу</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Справа внизу</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Положение</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Нет калибровки: линейка не показывается</translation>
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
            <translation>Обзор...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Папка для видео</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>ОК</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>Время начала должно быть позже текущего времени.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Время начала</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Видео</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Интервал</translation>
        </message>
        <message>
            <source>s</source>
            <translation>с</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Длительность видео</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Всего</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Выполнено</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Начать</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Остановить</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Начать сейчас</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Отменить последнее действие</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Повторить</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Удалить выбранную фигуру</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Отменить рисуемую фигуру; иначе выйти из полноэкранного режима</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Сделать снимок</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Начать или остановить запись</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>колесо мыши</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Масштаб вокруг указателя мыши</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Сочетания клавиш</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Отменить</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>По размеру</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Не удалось запустить устройство.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Устройство не запущено.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Остановить запись</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Видео</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Не удалось открыть файл.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc — выход из полного экрана</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Изображение сохранено</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Частота кадров</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Координаты</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>Съёмка по таймеру остановлена.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>Съёмка по таймеру остановлена: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>Снимок не сохранён: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Следующий снимок через %1 с (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Идёт запись. Остановить её и выйти?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>Камера «%1» отключена.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>Запись сохранена: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Показать крупно</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Закрыть камеру</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Изображение из файла…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Идёт запись. Для вида из четырёх окон её нужно остановить. Остановить запись?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Нельзя изменить во время записи; сначала остановите запись.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Полный экран</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Изменить</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Программа уже запущена с теми же настройками; её окно выведено на передний план.
Открыть ещё одно окно только для чтения? Такое окно не сохраняет настройки.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>Папка сохранения находится вне корневой папки; ничего не сохранено: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Не удаётся сохранить настройки: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Не удаётся сохранить настройки в %1. Изменения (включая калибровки) пока не сохраняются; программа продолжает попытки. Проверьте права на папку и свободное место.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Запись по расписанию остановлена: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Фрагмент неполный и не засчитан: в %1 только %2 кадров из %3.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>В режиме четырёх окон запись невозможна; сначала переключитесь на одно окно.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Не удалось сохранить настройки в %1; изменения этого сеанса потеряны.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Нет изображения от %1 уже %2 с</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>Запись неожиданно остановилась по неизвестной причине.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>Запись остановлена: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>Большинство кадров с %1 не удаётся декодировать</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>Запись продолжается, пробел заполняется последним кадром</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Видео</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Съёмка по таймеру</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Полный экран</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Сменить вид</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Масштаб</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Настройки</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Измерение</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Обзор файлов</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Устройство:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Формат:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Разрешение:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Фото:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Видео:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Экспозиция и усиление</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Настройка цвета</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Баланс белого</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Отражение</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Сбросить настройки</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Дополнительные настройки</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Параметры</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Дата/время</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Перекрестие</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Язык</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Справка</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Выход</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>О программе</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Настройки таймера</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Импорт</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Разрешение</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Вкл.</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Выкл.</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Папка для фото</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Папка для видео</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Печать</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Сначала выберите и откройте папку для сохранения: в правом верхнем углу «Обзор файлов» → «Фото» → «image» или «Обзор файлов» → «Видео» → «movie».</translation>
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
            <translation>Автоэкспозиция</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Время экспозиции</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Усиление</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Яркость</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Контрастность</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Насыщенность</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Оттенок</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Гамма</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Резкость</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Чёрно-белое</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Автобаланс белого</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Цветовая температура</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Усиление красного</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Усиление зелёного</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Усиление синего</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Отразить по горизонтали</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Отразить по вертикали</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Масштабная линейка</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Частота кадров, предоставленная драйвером камеры</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Фокус</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Произошла непредвиденная ошибка. Обратитесь к инженеру.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Отчёт об измерениях</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Камера</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Размер изображения</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Калибровка</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Не откалибровано</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Коэффициент калибровки</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Размер изображения при калибровке</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Камера при калибровке</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Результаты</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>№</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Инструмент</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Имя</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Значение</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Единица</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Пиксели</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Нет измерений</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Продолжение на следующей странице</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Экспорт отчёта…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Экспорт отчёта</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>Файлы PDF (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Не удалось записать отчёт: %1</translation>
        </message>
    </context>
</TS>
