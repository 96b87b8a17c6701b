<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Версия %1, сборка %2
Qt %3, FFTW %4, ALGLIB %5, segyio %6
Лицензия: GNU GPL версии 2 или более поздней (программа собрана с FFTW и ALGLIB, распространяемыми по GPL)</source>
        <translation>Version %1, built %2
Qt %3, FFTW %4, ALGLIB %5, segyio %6
Licence: GNU GPL version 2 or later (the program is built with FFTW and ALGLIB, distributed under the GPL)</translation>
    </message>
    <message>
        <source>About Karvelo</source>
        <translation>About Karvelo</translation>
    </message>
</context>
<context>
    <name>ChooseDemoDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Choose a profile</translation>
    </message>
    <message>
        <source>Файл 1</source>
        <translation>File 1</translation>
    </message>
    <message>
        <source>Файл 2</source>
        <translation>File 2</translation>
    </message>
    <message>
        <source>Файлы с диска…</source>
        <translation>Files from disk…</translation>
    </message>
</context>
<context>
    <name>CorrelationDialog</name>
    <message>
        <source>Корр. функция</source>
        <translation>Correlation function</translation>
    </message>
    <message>
        <source>Обработать</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Отображать полный диапазон(для корр. ф-ции)</source>
        <translation>Show the full range (of the correlation function)</translation>
    </message>
    <message>
        <source>Tmax</source>
        <translation>Tmax</translation>
    </message>
    <message>
        <source>Номер точки</source>
        <translation>Point number</translation>
    </message>
    <message>
        <source>Номер трассы</source>
        <translation>Trace number</translation>
    </message>
    <message>
        <source>Сигнал №1</source>
        <translation>Signal 1</translation>
    </message>
    <message>
        <source>Сигнал №2</source>
        <translation>Signal 2</translation>
    </message>
</context>
<context>
    <name>FieldRules</name>
    <message>
        <source>Номер точки: целое число, 0 и больше</source>
        <translation>Point number: a whole number, 0 or more</translation>
    </message>
    <message>
        <source>Номер трассы: целое число, 0 и больше</source>
        <translation>Trace number: a whole number, 0 or more</translation>
    </message>
    <message>
        <source>fmin, Гц: целое число, 0 … fmax</source>
        <translation>fmin, Hz: a whole number, 0 … fmax</translation>
    </message>
    <message>
        <source>fmax, Гц: целое число, fmin … наибольшая частота спектра</source>
        <translation>fmax, Hz: a whole number, fmin … the highest frequency of the spectrum</translation>
    </message>
    <message>
        <source>fmin … fmax, Гц: полоса не уже двух частот спектра</source>
        <translation>fmin … fmax, Hz: a band holding at least two frequencies of the spectrum</translation>
    </message>
    <message>
        <source>Скорость/толщина: число, например 3780, 3780,5 или 3,78e3</source>
        <translation>Velocity/thickness: a number, such as 3780, 3780.5 or 3.78e3</translation>
    </message>
    <message>
        <source>Скорость/толщина: число, из которого получается конечная толщина или скорость</source>
        <translation>Velocity/thickness: a number that gives a finite thickness or velocity</translation>
    </message>
    <message>
        <source>Скорость/толщина: толщина (флажок отмечен) точки с максимумом в списке</source>
        <translation>Velocity/thickness: a thickness (box checked) of a point with a listed maximum</translation>
    </message>
    <message>
        <source>β: число, 0,5 … 1,2</source>
        <translation>β: a number, 0.5 … 1.2</translation>
    </message>
    <message>
        <source>База датчиков, мм: число больше 0, до 10000</source>
        <translation>Sensor spacing, mm: a number above 0, up to 10000</translation>
    </message>
    <message>
        <source>Кол-во ударов на точку: целое число, 1 … 20</source>
        <translation>Hits per point: a whole number, 1 … 20</translation>
    </message>
</context>
<context>
    <name>FileDialogChooser</name>
    <message>
        <source>Файлы с диска</source>
        <translation>Files from disk</translation>
    </message>
    <message>
        <source>Все записи (*.sgy *.segy *.txt *.dat *.csv *.asc *.lvm *.wav *.npy *.mat);;SEG-Y (*.sgy *.segy);;Текстовые записи (*.txt *.dat *.csv *.asc *.lvm);;WAV (*.wav);;NumPy (*.npy);;MATLAB (*.mat);;Все файлы (*)</source>
        <translation>All recordings (*.sgy *.segy *.txt *.dat *.csv *.asc *.lvm *.wav *.npy *.mat);;SEG-Y (*.sgy *.segy);;Text recordings (*.txt *.dat *.csv *.asc *.lvm);;WAV (*.wav);;NumPy (*.npy);;MATLAB (*.mat);;All files (*)</translation>
    </message>
</context>
<context>
    <name>FormView</name>
    <message>
        <source>Одна трасса</source>
        <translation>One trace</translation>
    </message>
    <message>
        <source>Усреднённый спектр</source>
        <translation>Averaged spectrum</translation>
    </message>
    <message>
        <source>Произведение спектров</source>
        <translation>Product of spectra</translation>
    </message>
    <message>
        <source>Спектр профиля</source>
        <translation>Profile spectrum</translation>
    </message>
    <message>
        <source>Трассы</source>
        <translation>Traces</translation>
    </message>
    <message>
        <source>Графический вид</source>
        <translation>Wiggle view</translation>
    </message>
    <message>
        <source>Плотностной вид</source>
        <translation>Density view</translation>
    </message>
    <message>
        <source>Номер точки</source>
        <translation>Point number</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Изменить диапазон частот</source>
        <translation>Apply frequency band</translation>
    </message>
    <message>
        <source>Номер трассы</source>
        <translation>Trace number</translation>
    </message>
    <message>
        <source>fmax,Гц.</source>
        <translation>fmax, Hz</translation>
    </message>
    <message>
        <source>fmin,Гц.</source>
        <translation>fmin, Hz</translation>
    </message>
    <message>
        <source>Список локальных максимумов:</source>
        <translation>Local maxima:</translation>
    </message>
    <message>
        <source>Толщина/скорость</source>
        <translation>Thickness/velocity</translation>
    </message>
    <message>
        <source>Скорость    /толщина</source>
        <translation>Velocity /thickness</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Регулирование  контрастности</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Используемая палитра</source>
        <translation>Palette in use</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Добротность</source>
        <translation>Quality factor</translation>
    </message>
    <message>
        <source>β</source>
        <translation>β</translation>
    </message>
    <message>
        <source>Убрать тренд</source>
        <translation>Remove trend</translation>
    </message>
    <message>
        <source>без окна</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Ханна</source>
        <translation>Hann</translation>
    </message>
    <message>
        <source>эксп. 10 %</source>
        <translation>exp. 10 %</translation>
    </message>
    <message>
        <source>эксп. 25 %</source>
        <translation>exp. 25 %</translation>
    </message>
    <message>
        <source>эксп. 50 %</source>
        <translation>exp. 50 %</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Дополнение нулями</source>
        <translation>Zero padding</translation>
    </message>
    <message>
        <source>Окно перед преобразованием Фурье: нет — спектр без окна; Ханна; экспонента, спадающая до 1/e на доле записи</source>
        <translation>Window before the Fourier transform: none — the spectrum without a window; Hann; an exponential decaying to 1/e at a share of the record</translation>
    </message>
    <message>
        <source>Дополнение трассы нулями до 2, 4 или 8 её длин: бины спектра во столько же раз чаще</source>
        <translation>Pad the trace with zeros to 2, 4 or 8 times its length: the spectrum's bins as many times finer</translation>
    </message>
    <message>
        <source>Калибровка Cp</source>
        <translation>Calibrate Cp</translation>
    </message>
    <message>
        <source>Уточн. частота</source>
        <translation>Refined freq.</translation>
    </message>
    <message>
        <source>База датчиков, мм</source>
        <translation>Sensor spacing, mm</translation>
    </message>
    <message>
        <source>Cp из двух датчиков:</source>
        <translation>Cp from two sensors:</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>off</translation>
    </message>
    <message>
        <source>измерить</source>
        <translation>measure</translation>
    </message>
    <message>
        <source>по точке</source>
        <translation>per point</translation>
    </message>
    <message>
        <source>медиана линии</source>
        <translation>line median</translation>
    </message>
    <message>
        <source>Сохранить спектр в текстовый файл</source>
        <translation>Save the spectrum to a text file</translation>
    </message>
    <message>
        <source>Полоса всего спектра</source>
        <translation>Band of the whole spectrum</translation>
    </message>
    <message>
        <source>Поле «Скорость/толщина» содержит толщину, а не скорость</source>
        <translation>The velocity/thickness field holds a thickness, not a velocity</translation>
    </message>
    <message>
        <source>Регулирование контрастности</source>
        <translation>Contrast of the profile map</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Руководство</source>
        <translation>User guide</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить профиль как &amp;SEG-Y…</source>
        <translation>Save profile as &amp;SEG-Y…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Karvelo...</source>
        <translation>&amp;About Karvelo...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Пикирование</source>
        <translation>&amp;Picking</translation>
    </message>
    <message>
        <source>&amp;Добротность</source>
        <translation>&amp;Quality factor</translation>
    </message>
    <message>
        <source>&amp;Вкл. отображение</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>&amp;Сохранить в файл</source>
        <translation>Save to &amp;file</translation>
    </message>
    <message>
        <source>&amp;Корр. функция</source>
        <translation>&amp;Correlation function</translation>
    </message>
    <message>
        <source>&amp;Отчёт по профилю</source>
        <translation>Profile &amp;report</translation>
    </message>
    <message>
        <source>Карта о&amp;бследования</source>
        <translation>Survey &amp;map</translation>
    </message>
    <message>
        <source>Язык / &amp;Language</source>
        <translation>Язык / &amp;Language</translation>
    </message>
    <message>
        <source>&amp;Русский</source>
        <translation>&amp;Русский</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>Карта обследования</source>
        <translation>Survey map</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Руководство</source>
        <translation>User &amp;guide</translation>
    </message>
    <message>
        <source> — прежнее состояние: профиль или параметры изменились, откройте отчёт заново</source>
        <translation> — earlier state: the profile or the parameters have changed, open the report again</translation>
    </message>
</context>
<context>
    <name>ObjectInfoDialog</name>
    <message>
        <source>Сведения об объекте</source>
        <translation>Object details</translation>
    </message>
</context>
<context>
    <name>OpenProfileDialog</name>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Выбрать файлы</source>
        <translation>Choose files</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>1 канал</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>2 канал</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Оба канала</source>
        <translation>Both channels</translation>
    </message>
    <message>
        <source>Кол-во ударов на точку</source>
        <translation>Hits per point</translation>
    </message>
    <message>
        <source>Первые 2048 отсчётов</source>
        <translation>First 2048 samples</translation>
    </message>
    <message>
        <source>Шаг в целых мкс</source>
        <translation>Whole-µs step</translation>
    </message>
    <message>
        <source>Шаг дискретизации, мкс</source>
        <translation>Sample interval, µs</translation>
    </message>
</context>
<context>
    <name>PickingBar</name>
    <message>
        <source>Пикирование</source>
        <translation>Picking</translation>
    </message>
    <message>
        <source>Удалить точки</source>
        <translation>Delete points</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ProfileReportWindow</name>
    <message>
        <source>Отчёт по профилю</source>
        <translation>Profile report</translation>
    </message>
    <message>
        <source>Проектная толщина, мм:</source>
        <translation>Design thickness, mm:</translation>
    </message>
    <message>
        <source>Допуск, мм:</source>
        <translation>Tolerance, mm:</translation>
    </message>
    <message>
        <source>Выброс по линии, %:</source>
        <translation>Outlier along the line, %:</translation>
    </message>
    <message>
        <source>Сведения об объекте…</source>
        <translation>Object details…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Проектная толщина, мм: введите число больше 0.</source>
        <translation>Design thickness, mm: enter a number above 0.</translation>
    </message>
    <message>
        <source>Допуск, мм: введите число не меньше 0.</source>
        <translation>Tolerance, mm: enter a number of 0 or more.</translation>
    </message>
    <message>
        <source>Допуск, мм: введите допуск к проектной толщине.</source>
        <translation>Tolerance, mm: enter the tolerance of the design thickness.</translation>
    </message>
    <message>
        <source>Выброс по линии, %: введите число больше 0 и меньше 100.</source>
        <translation>Outlier along the line, %: enter a number above 0 and below 100.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Запрос обрабатывается</source>
        <translation>The request is being processed</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Встроенный профиль %1</source>
        <translation>Built-in profile %1</translation>
    </message>
    <message>
        <source>мкс</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>пс</source>
        <translation>ps</translation>
    </message>
    <message>
        <source>Частота %1 Гц, амплитуда %2</source>
        <translation>Frequency %1 Hz, amplitude %2</translation>
    </message>
    <message>
        <source>%1 — трасс: %2, точек: %3, ударов на точку: %4, шаг: %5 %6, запись: %7 %6, шаг частоты: %8 Гц</source>
        <translation>%1 — traces: %2, points: %3, hits per point: %4, interval: %5 %6, record: %7 %6, frequency step: %8 Hz</translation>
    </message>
    <message>
        <source>Трасса %1, время %2 мкс, амплитуда %3</source>
        <translation>Trace %1, time %2 µs, amplitude %3</translation>
    </message>
    <message>
        <source>Трасса %1, время %2 пс, амплитуда %3</source>
        <translation>Trace %1, time %2 ps, amplitude %3</translation>
    </message>
    <message>
        <source>Точка %1, частота %2 Гц, значение %3</source>
        <translation>Point %1, frequency %2 Hz, value %3</translation>
    </message>
</context>
<context>
    <name>SurveyMapWindow</name>
    <message>
        <source>Проектная толщина, мм:</source>
        <translation>Design thickness, mm:</translation>
    </message>
    <message>
        <source>Толщина по проекту: с ней карта классов состояния</source>
        <translation>The design thickness: with it, the map of condition classes</translation>
    </message>
    <message>
        <source>Cp, м/с:</source>
        <translation>Cp, m/s:</translation>
    </message>
    <message>
        <source>Скорость продольной волны</source>
        <translation>The P-wave velocity</translation>
    </message>
    <message>
        <source>β:</source>
        <translation>β:</translation>
    </message>
    <message>
        <source>Коэффициент формы</source>
        <translation>Shape factor</translation>
    </message>
    <message>
        <source>±f_T, %:</source>
        <translation>±f_T, %:</translation>
    </message>
    <message>
        <source>Доля f_T, в пределах которой пик считается частотой толщины</source>
        <translation>The share of f_T within which a peak counts as the thickness frequency</translation>
    </message>
    <message>
        <source>удовл. от, ×f_T:</source>
        <translation>fair from, ×f_T:</translation>
    </message>
    <message>
        <source>Нижняя граница удовлетворительного диапазона</source>
        <translation>The lower limit of the fair range</translation>
    </message>
    <message>
        <source>до:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Верхняя граница удовлетворительного диапазона</source>
        <translation>The upper limit of the fair range</translation>
    </message>
    <message>
        <source>плохое выше, ×f_T:</source>
        <translation>poor above, ×f_T:</translation>
    </message>
    <message>
        <source>Выше этой частоты — плохое состояние</source>
        <translation>Above this frequency the condition is poor</translation>
    </message>
    <message>
        <source>второй пик, %:</source>
        <translation>second peak, %:</translation>
    </message>
    <message>
        <source>Второй максимум не слабее этой доли главного считается сильным</source>
        <translation>A second maximum of at least this share of the dominant one counts as strong</translation>
    </message>
    <message>
        <source>Классы: введите проектную толщину, скорость Cp и β — числа больше 0.</source>
        <translation>Classes: type the design thickness, the velocity Cp and β, numbers above 0.</translation>
    </message>
    <message>
        <source>Классы: пороги не по порядку: 0 &lt; ±f_T &lt; 100 %, 0 &lt; удовл. от &lt; до ≤ 1 ≤ плохое выше, 0 &lt; второй пик ≤ 100 %.</source>
        <translation>Classes: the thresholds are out of order: 0 &lt; ±f_T &lt; 100 %, 0 &lt; fair from &lt; to ≤ 1 ≤ poor above, 0 &lt; second peak ≤ 100 %.</translation>
    </message>
    <message>
        <source>Карта обследования</source>
        <translation>Survey map</translation>
    </message>
    <message>
        <source>Открыть строку</source>
        <translation>Open row</translation>
    </message>
    <message>
        <source>Открыть строку выбранной ячейки в главном окне с её точкой</source>
        <translation>Open the row of the chosen cell in the main window, at its point</translation>
    </message>
    <message>
        <source>Шаг по строкам, м:</source>
        <translation>Row spacing, m:</translation>
    </message>
    <message>
        <source>Шаг по столбцам, м:</source>
        <translation>Column spacing, m:</translation>
    </message>
    <message>
        <source>Сохранить PNG…</source>
        <translation>Save PNG…</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Шаг по строкам, м: введите число больше 0.</source>
        <translation>Row spacing, m: enter a number above 0.</translation>
    </message>
    <message>
        <source>Шаг по столбцам, м: введите число больше 0.</source>
        <translation>Column spacing, m: enter a number above 0.</translation>
    </message>
</context>
<context>
    <name>SurveyOptionsDialog</name>
    <message>
        <source>Карта обследования: чтение записей</source>
        <translation>Survey map: reading the recordings</translation>
    </message>
    <message>
        <source>%1 — позиций: %2</source>
        <translation>%1 — positions: %2</translation>
    </message>
</context>
</TS>
