<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>受测者分析信息</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>总错误分 (TES): </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>分级: </translation>
    </message>
    <message>
        <source>Graph Style</source>
        <translation>图表样式</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>极坐标</translation>
    </message>
    <message>
        <source>Show Confusion Axis</source>
        <translation>显示混淆轴</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>图表刻度 - 刻度数</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>当前值</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>图表模式</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>受测者: </translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Vingrys 分析</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>角度: </translation>
    </message>
    <message>
        <source>C-Index: </source>
        <translation>C 指数: </translation>
    </message>
    <message>
        <source>S-Index: </source>
        <translation>S 指数: </translation>
    </message>
    <message>
        <source>Subject: Averaged Results</source>
        <translation>受测者: 平均结果</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>总错误分 (TES): </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>总错误分平方根 (√TES): </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>百分位数</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>初次受测 </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>有一定经验: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>经验丰富: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>参考编号: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>出生日期: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>测试日期: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>备注: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>测试时长: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>初次受测: </translation>
    </message>
    <message>
        <source> (mins)</source>
        <translation> (分钟)</translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>性别: </translation>
    </message>
    <message>
        <source>Geographic Location: </source>
        <translation>地理区域: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>行业类型: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>主要职能: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>从业年限: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>光源类型: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>总错误分平方根: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>测试套件序列号: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>色相子顺序: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Veskora 结果未经认证（无序列号）</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>已认证。</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Veskora 结果未经认证（色相子套组购买已超过两年）。</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90%</translation>
    </message>
    <message>
        <source>80%</source>
        <translation>80%</translation>
    </message>
    <message>
        <source>70%</source>
        <translation>70%</translation>
    </message>
    <message>
        <source>60%</source>
        <translation>60%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>40%</source>
        <translation>40%</translation>
    </message>
    <message>
        <source>30%</source>
        <translation>30%</translation>
    </message>
    <message>
        <source>20%</source>
        <translation>20%</translation>
    </message>
    <message>
        <source>10%</source>
        <translation>10%</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Superior Discrimination</source>
        <translation>辨色能力优秀</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>辨色能力中等</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>辨色能力较低</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>优秀</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>较低</translation>
    </message>
    <message>
        <source>Protan</source>
        <translation>红色觉异常（第一型）</translation>
    </message>
    <message>
        <source>Duetan</source>
        <translation>绿色觉异常（第二型）</translation>
    </message>
    <message>
        <source>Tritan</source>
        <translation>蓝黄色觉异常（第三型）</translation>
    </message>
    <message>
        <source>Ambigious Deficiency</source>
        <translation>类型不明确的色觉异常</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>输入色相子编号</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>按从左到右的顺序输入每个托盘中色相子的编号，用空格或逗号分隔。按 Enter 转到下一个托盘；在第一行粘贴完整的色相子顺序会填满全部四行。</translation>
    </message>
    <message>
        <source>Tray %1</source>
        <translation>托盘 %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Total Error Score (TES): %1</source>
        <translation>总误差分数 (TES): %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>总误差分数 (TES): 四个托盘全部完整后显示</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>无法写入文件 %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>无法读取文件 %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n 行无法读取为测试，未导入；第一行是第 %1 行。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>未导入任何内容: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>未导入任何内容：第 %1 行无法保存：%2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>从业年限</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中间名</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>性别</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>行业</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>职能</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>参考编号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>测试日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>包含</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>完全匹配</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>开头是</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>结尾是</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>请输入...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>清除搜索</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>选择测试</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>职能</translation>
    </message>
    <message>
        <source>TES</source>
        <translation>TES</translation>
    </message>
    <message>
        <source>The search could not be run: %1</source>
        <translation>无法执行搜索：%1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>删除 %n 项测试？此操作无法撤销。</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>无法删除测试：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>已删除 %n 项测试。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> 受测者信息</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中间名</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>请输入...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>参考编号</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>性别</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>从业年限</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>职能</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>行业</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>测试信息</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>测试日期</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>用时 (分钟)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>重置测试</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>显示错误分</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北美洲</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南美洲</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中美洲</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>欧洲</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>亚洲</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>非洲</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳大利亚</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>学术</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食品</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>家具</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>政府机构</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医疗</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包装</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>涂料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>造纸</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>颜料/着色剂制造</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>塑料</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>标牌印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>染色剂</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>纺织 - 创意</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>纺织 - 制造</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>建筑</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消费品</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化妆品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>设计 - 建筑/室内</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>设计 - 平面</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>设计 - 工业</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>设计 - 产品</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>质量控制</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色彩规格</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>创意</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 年以上</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>请输入出生日期和姓名。</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>无法保存测试。</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>无法更新测试。</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>存储的排列不完整：缺少的色相子按升序排在后面。请更新以保存完整的排列。</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>输入色相子编号…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>移动色相子</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>输入色相子编号</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>无法写入数据库: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>未导入任何内容: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>文件 %1 中没有可读取的测试记录；未导入任何内容。</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 大于 %2 MB。</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 不是可读取的图像（%2）。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Veskora 计分软件</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>新建色相测试</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>查看/排列</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>数据库</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>VK100 数据库版本 1 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>VK100 数据库版本 2 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>逗号分隔值 (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>所选记录 (PDF)</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>所选记录 (CSV)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>页面设置</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>复制姓名和分析结果</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>复制图表</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>数据录入界面</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>极坐标图</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>线性图</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>关于本程序</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>关于 Qt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>新建数据库</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>打开数据库</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>数据库另存为</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Veskora 测试计分软件</translation>
    </message>
    <message>
        <source>Veskora Results</source>
        <translation>Veskora 结果</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Test developed by:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</source>
        <translation>测试开发:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
软件: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>未指定</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北美洲</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南美洲</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中美洲</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>欧洲</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>亚洲</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>非洲</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳大利亚</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>学术</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食品</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>家具</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>政府机构</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医疗</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包装</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>涂料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>造纸</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>颜料/着色剂制造</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>塑料</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>标牌印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>染色剂</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>纺织 - 创意</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>纺织 - 制造</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>建筑</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消费品</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化妆品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>设计 - 建筑/室内</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>设计 - 平面</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>设计 - 工业</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>设计 - 产品</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>质量控制</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色彩规格</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>创意</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 年以上</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>有尚未保存的更改。</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>是否保存更改？</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>无法开始打印。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>文本文件 (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>导入 CSV</translation>
    </message>
    <message>
        <source>Import HDB</source>
        <translation>导入 HDB</translation>
    </message>
    <message>
        <source>Import VKT</source>
        <translation>导入 VKT</translation>
    </message>
    <message>
        <source>Developed by the Veskora Scoring Team
for examiners of colour discrimination.
Version %1</source>
        <translation>由 Veskora Scoring Team 开发
供辨色能力检查人员使用。
版本 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>%1 %2 的测试已更新。</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>%1 %2 的测试已保存。</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>报告已写入 %1。</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>所选测试已写入 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>已导入 %n 项测试</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>已添加 %n 个色相子套组</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>已拒绝 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>正在写入报告...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>导出已取消；未写入任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>已将 %n 份报告写入 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>无法启动 PDF 写入。</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>页脚徽标</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>报告已生成，但不含页脚徽标：%1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>未导入任何内容</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>文件 %1 不含任何测试；未导入任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>文件中有 %n 处没有可读取的记录</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>数据库文件</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>无法打开数据库文件 %1：无法读取或保存任何测试，显示的设置也不是该文件中的设置。</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>请在其他程序用完该文件后重试，或打开另一个数据库文件。</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>数据库文件 %1 在此处打开期间被其他程序替换或删除，因此无法再向其中保存任何内容。</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>按文件当前的状态打开它吗？</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>缺少手册：未找到 %1。重新安装程序即可恢复。</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>无法显示手册 %1：找不到可打开它的程序。</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 属于托盘 %2</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 属于托盘 %2</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 输入了两次</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 输入了两次以上</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 不是色相子编号</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 不是色相子编号</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>辨色能力:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>错误分</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>无法打开数据库文件</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>无法创建数据库表</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>无法保存设置</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>无法读取设置</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>无法保存受测者</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>无法保存测试</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>无法更新受测者</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>未找到匹配的受测者</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>无法更新测试</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>未找到匹配的测试</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>无法删除测试</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>无法删除受测者</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>无法保存数据库</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>不能复制到其自身</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>无法读取数据库</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>无法保存色相子套组</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>无法更新色相子套组</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>无法删除色相子套组</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 是一个文件夹</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>无法替换 %1</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>%1 在打开后被其他程序替换或删除</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>无法打开数据库文件：%1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 不是可读取的数据库（%2）</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 正被其他程序使用（%2）</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 已损坏（%2）</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 不是本程序的数据库：其表 %2 的列不同</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>无法从此文件读取这些设置，不能用代替显示的内容覆盖它们</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>选择徽标图像</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>计分方式</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Kinnear</source>
        <translation>Kinnear</translation>
    </message>
    <message>
        <source>Analysis Options</source>
        <translation>分析选项</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>界面显示</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>测试时长</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>总错误分 (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>总错误分平方根 (√TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Vingrys 分析</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>分级</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>百分位数 (初次受测)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>百分位数 (有一定经验)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>百分位数 (经验丰富)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>界面选项</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>自定义报告页脚</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>新记录默认值</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>行业</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>职能</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>从业年限</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>色相子套组</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>购买日期</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>添加色相子套组</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>编辑所选色相子套组</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>删除所选色相子套组</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北美洲</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南美洲</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中美洲</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>欧洲</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>亚洲</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>非洲</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳大利亚</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>学术</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食品</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>家具</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>政府机构</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医疗</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包装</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>涂料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>造纸</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>颜料/着色剂制造</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>塑料</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>标牌印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>染色剂</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>纺织 - 创意</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>纺织 - 制造</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>建筑</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消费品</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化妆品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>设计 - 建筑/室内</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>设计 - 平面</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>设计 - 工业</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>设计 - 产品</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>质量控制</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色彩规格</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>创意</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 年以上</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>添加新色相子套组</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>请输入色相子套组的序列号和购买日期。购买日期两年后的测试结果不予认证；损坏、污损或褪色的色相子套组应予更换。</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>购买日期</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>月/日/年（MM/DD/YYYY）</translation>
    </message>
</context>
</TS>
