<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh-cn">
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>详细信息</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>关于 Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>新版本已下载！</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>安装新版本(&amp;I)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>Lumeno3D 将关闭以安装新版本。
是否关闭 Lumeno3D 并进行更新？
（未保存的更改将会丢失。）</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>图形选项</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>模型颜色</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>您已更改 Lumeno3D 用户界面的显示语言。

此更改将在重新启动 Lumeno3D 后生效。</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>无法应用这些尺寸：每个尺寸都必须大于 0，且缩放后的模型必须保持在模型文件可容纳的坐标范围内。</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>正在下载新版本...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>按百分比简化</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>按误差简化</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>底部工具栏</translation>
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
        <source>Save as...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>创建快照</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>变换</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>前视图</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>侧视图</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>俯视图</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>透视图</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>退出 Lumeno3D</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>请输入最大误差：</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>请输入百分比：</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>正在平滑...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>所有文件 (*.stl *.obj *.ply);;STL 文件 (*.stl);; PLY 文件 (*.ply);; OBJ 文件 (*.obj)</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>文件 </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> 不存在。</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>打开文件时出错：</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>此文件似乎已损坏，无法加载。</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>正在打开文件...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>Lumeno 中未加载任何模型</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>STL 文件 (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>保存模型</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>STL 文件 (*.stl);; PLY 文件 (*.ply);; OBJ 文件 (*.obj)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG 文件 (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>保存快照</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>无法对图像进行编码。</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>无法将快照保存到 %1。
%2</translation>
    </message>
    <message>
        <source>Decimating 90%...</source>
        <translation>正在简化至 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>正在简化至 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>正在简化至 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>正在简化至 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>正在简化至 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>正在简化至 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>正在简化至 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>正在简化至 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>正在简化至 10%...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>无法将模型保存到 %1。
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>无法在同一位置创建临时文件。</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>写入文件失败。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>不是常规文件。</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>%1 未保存：模型只能保存为 STL、PLY 或 OBJ 文件。</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>没有可保存的模型。</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>该文件受写保护。</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>该模型没有三角形。</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>该模型的坐标中有非有限数值。</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>变换</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比例</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
</context>
</TS>
