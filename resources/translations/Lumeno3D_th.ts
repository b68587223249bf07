<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>กำลังลดทอน 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>กำลังลดทอน 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>กำลังลดทอน 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>กำลังลดทอน 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>กำลังลดทอน 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>กำลังลดทอน 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>กำลังลดทอน 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>กำลังลดทอน 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>กำลังลดทอน 10%...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>ความคลาดเคลื่อน, % ของเส้นทแยงมุม</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>ความคลาดเคลื่อนที่นี่: %1% ของเส้นทแยงมุม</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>รายละเอียดเพิ่มเติม</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>เกี่ยวกับ Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>ฟอร์ม</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>ดาวน์โหลดเวอร์ชันใหม่แล้ว!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>ติดตั้งเวอร์ชันใหม่(&amp;I)!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 พร้อมให้ใช้งานแล้ว</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>เปิดหน้าดาวน์โหลด(&amp;O)</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D จะปิดเพื่อติดตั้งเวอร์ชันใหม่
คุณต้องการปิดและอัปเดต Lumeno3D หรือไม่</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>ตัวเลือกกราฟิก</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>สีของโมเดล</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>สีพื้นหลัง</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>ด้านบน</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>ด้านล่าง</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>การกำหนดลักษณะ</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>ตรวจหาการอัปเดตเมื่อเริ่มโปรแกรม</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>วิธีลดทอน</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>คุณภาพ</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>แบบดั้งเดิม</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>คุณได้เปลี่ยนภาษาที่ใช้แสดงส่วนติดต่อผู้ใช้ของ Lumeno3D

การเปลี่ยนแปลงนี้จะมีผลหลังจากเริ่ม Lumeno3D ใหม่</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>ถามก่อนบันทึกไฟล์ที่เก็บข้อมูลทั้งหมดของโมเดลไม่ได้</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>แกนขึ้นในมุมมองแรกของโมเดล</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>อัตโนมัติ: Z สำหรับ 3MF และชิ้นงานพิมพ์ นอกนั้น Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y ขึ้น</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z ขึ้น</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>ไม่สามารถใช้ขนาดเหล่านี้ได้: ทุกขนาดต้องมากกว่า 0 และโมเดลที่ปรับขนาดแล้วต้องอยู่ภายในช่วงพิกัดที่ไฟล์โมเดลเก็บได้</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>คงสัดส่วนไว้: ขนาดใหม่ตามแกนหนึ่งจะปรับมาตราส่วนทั้งสามแกนเท่ากัน คลิกเพื่อกำหนดขนาดของแต่ละแกนแยกกัน</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>ขนาดของแต่ละแกนกำหนดแยกกัน คลิกเพื่อคงสัดส่วนไว้</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>ไม่สามารถใช้การหมุนนี้ได้: โมเดลที่หมุนแล้วจะไม่อยู่ภายในช่วงพิกัดที่ไฟล์โมเดลเก็บได้ เลือกมุมอื่นหรือขนาดที่เล็กลง</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>ขนาด (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>ตัวคูณมาตราส่วนตามแกน %1: ขนาดที่ตั้งหารด้วยขนาดเดิมของโมเดล</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>กำลังดาวน์โหลดเวอร์ชันใหม่!</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>มี%1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n ชิ้นส่วน</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n ชิ้นส่วน: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n วัสดุ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n วัสดุ: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>แสดงแบบย่อเหลือ %1 สามเหลี่ยมเพื่อให้พอกับหน่วยความจำ</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Lumeno3D Help</source>
        <translation>วิธีใช้ Lumeno3D</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D ทำให้เมชสามเหลี่ยมเบาลง โดยลดจำนวนสามเหลี่ยมของโมเดลแต่ยังคงรูปทรงไว้ แล้วบันทึกผลลัพธ์</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>การเปิดโมเดล</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>การลดทอน</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>ทันทีที่โหลดโมเดล Lumeno3D จะคำนวณเก้าระดับที่คงสามเหลี่ยมไว้ตั้งแต่ 90 ลงไปจนถึง 10 เปอร์เซ็นต์ ปุ่มของแต่ละระดับจะแสดงขนาดไฟล์ของระดับนั้น คุณยังสามารถลดทอนโมเดลตามเปอร์เซ็นต์ที่กำหนดเอง หรือลดทอนได้มากเท่าที่ค่าความคลาดเคลื่อนสูงสุดจากรูปทรงเดิมยอมให้</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>การทำให้เรียบและการแปลงรูปทรง</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>&quot;ทำให้เรียบ&quot; จะปรับพื้นผิวของโมเดลด้านขวาให้เรียบสม่ำเสมอ &quot;แปลงรูปทรง&quot; จะปรับขนาดและหมุนโมเดล โดยมุมมองทั้งสองจะแสดงการเปลี่ยนแปลงก่อนที่คุณจะยอมรับ</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>การดู</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>หมุนโมเดลด้วยปุ่มซ้ายของเมาส์ เลื่อนด้วยปุ่มกลาง และซูมด้วยล้อเลื่อน มุมมองด้านขวาจะเคลื่อนตามมุมมองด้านซ้าย ปุ่มที่ด้านล่างใช้สลับระหว่างพื้นผิว จุด และโครงลวด ปรับโมเดลให้พอดีกับมุมมอง และแสดงโมเดลจากด้านหน้า ด้านข้าง ด้านบน หรือแบบเพอร์สเปกทีฟ</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>การบันทึก</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>การกำหนดลักษณะ</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>เลือกภาษาของส่วนติดต่อผู้ใช้ สีของโมเดล และสีพื้นหลัง ภาษาใหม่จะมีผลเมื่อเริ่มโปรแกรมครั้งถัดไป</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>เวอร์ชันล่าสุดของหน้านี้อยู่บนเว็บ:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>คุณยังสามารถลากไฟล์โมเดลมาวางบนหน้าต่างได้ด้วย</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>เลิกทำและทำซ้ำในเมนูแก้ไขใช้ยกเลิกและทำการแปลงรูปทรงและการทำให้เรียบซ้ำ เมื่อคำสั่งใหม่ เปิด หรือการปิดโปรแกรมจะทิ้งการเปลี่ยนแปลงที่ยังไม่ได้บันทึก Lumeno3D จะถามก่อน</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>ตรวจหาการอัปเดตเมื่อเริ่มโปรแกรม: ทุกครั้งที่เริ่มทำงาน Lumeno3D จะสอบถามเว็บไซต์ว่ามีรุ่นใหม่กว่าหรือไม่ และแจ้งให้คุณทราบเมื่อมี</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>วิธีการลดขนาด: คุณภาพสร้างทุกระดับในรอบเดียวและคงรูปทรงได้ใกล้เคียงกว่าหลายเท่า ส่วนแบบดั้งเดิมคือวิธีของเวอร์ชันก่อนหน้า</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>&quot;บันทึกเป็น&quot; ในเมนู &quot;ไฟล์&quot; จะเขียนโมเดลที่แสดงด้านขวาเป็น STL, PLY, OBJ, GLB, glTF, 3MF หรือ OFF โดย PLY, GLB และ glTF จะเก็บสีจุดยอด นอร์มัล และพิกัดเท็กซ์เจอร์ไว้ ไฟล์ glTF เก็บข้อมูลไว้ในตัวเอง โดยไม่มีไฟล์ .bin อยู่ข้างๆ ส่วน &quot;สแนปช็อต&quot; จะบันทึกมุมมองทั้งสองเป็นภาพ PNG</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>เลือก &quot;เปิด&quot; ในเมนู &quot;ไฟล์&quot; แล้วเลือกไฟล์ STL, OBJ, PLY, OFF, glTF (.gltf หรือ .glb) หรือ 3MF ส่วนต่างๆ ของไฟล์ glTF, 3MF หรือ OBJ ยังคงเป็นส่วนแยกกัน แต่ละส่วนอยู่ในตำแหน่งที่ไฟล์กำหนด พร้อมวัสดุและเท็กซ์เจอร์ของมัน มุมมองด้านซ้ายแสดงโมเดลตามที่โหลด ส่วนมุมมองด้านขวาแสดงโมเดลที่ลดทอนแล้ว เมนู &quot;ไฟล์&quot; ยังแสดงไฟล์ที่คุณเปิดล่าสุดด้วย</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>&quot;แสดงความคลาดเคลื่อน&quot; ในเมนู &quot;มุมมอง&quot; จะระบายสีโมเดลที่ลดแล้วตามระยะของแต่ละจุดจากโมเดลที่โหลด จากสีน้ำเงิน (ไม่มี) ถึงสีแดงเข้ม (มากที่สุด) คำอธิบายสัญลักษณ์แสดงมาตราส่วน และตัวชี้เมาส์แสดงค่าที่อยู่ใต้ตัวชี้</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>&quot;บันทึกระดับเป็นไฟล์เดียว&quot; จะเขียนโมเดลและเก้าระดับลงในไฟล์ GLB ไฟล์เดียวเป็นระดับรายละเอียด ซึ่งเอนจินเกมและเว็บอ่านได้</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>แถบเครื่องมือหลัก</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>ลดทอนตามเปอร์เซ็นต์</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>ลดทอนตามค่าความคลาดเคลื่อน</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>แถบเครื่องมือด้านล่าง</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>สแนปช็อต</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>สร้างสแนปช็อต</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>แปลงรูปทรง</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>ทำให้เรียบ</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>สี</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>โหมดการแสดงผล</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ซูม</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>มุมมองด้านหน้า</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>มุมมองด้านข้าง</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>มุมมองด้านบน</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>มุมมองแบบเพอร์สเปกทีฟ</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ออก(&amp;E)</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>ออกจาก Lumeno3D</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>เปิดไฟล์</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>ไฟล์ </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> ไม่มีอยู่</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>เกิดข้อผิดพลาดในการเปิด </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>บันทึกโมเดล</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 มีอยู่แล้ว
คุณต้องการแทนที่หรือไม่</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>ไฟล์ PNG (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>บันทึกสแนปช็อต</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>ไม่สามารถเข้ารหัสรูปภาพได้</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>ไม่สามารถบันทึกสแนปช็อตไปยัง %1
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ไฟล์(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>แก้ไข(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>วิธีใช้(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>ใหม่(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>เปิด(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>บันทึกเป็น(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>การกำหนดลักษณะ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>เนื้อหา(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>เกี่ยวกับ(&amp;A)</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>เปอร์เซ็นต์ที่กำหนดเอง...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>คงสามเหลี่ยมไว้ตามเปอร์เซ็นต์ที่คุณพิมพ์</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>ขอบเขตความคลาดเคลื่อนที่กำหนดเอง...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>ลบสามเหลี่ยมเท่าที่ขอบเขตความคลาดเคลื่อนที่คุณพิมพ์ (เป็นสัดส่วนของเส้นทแยงมุมกล่องล้อมรอบ) ยอมให้</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>ขอบเขตความคลาดเคลื่อนของตัวกรอง เป็นสัดส่วนของเส้นทแยงมุมกล่องล้อมรอบ:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>เปอร์เซ็นต์ของสามเหลี่ยมที่จะคงไว้ ตั้งแต่ %1 ถึง %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>ไม่สามารถคงสามเหลี่ยมไว้ %1% ได้: พิมพ์เปอร์เซ็นต์ตั้งแต่ %2 ถึง %3 โมเดลที่แสดงอยู่จะคงเดิม</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>การทำให้เรียบ</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>นำออกจากรายการไฟล์ล่าสุดแล้ว</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>หากไฟล์ถูกย้ายหรือเปลี่ยนชื่อ ให้เปิดจากตำแหน่งใหม่</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>ไม่มีโมเดลที่โหลดอยู่ใน Lumeno3D</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>เปิดโมเดลก่อน</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>เลือกชื่อหรือโฟลเดอร์อื่น แล้วบันทึกอีกครั้ง</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>ความคลาดเคลื่อนสูงสุด %1 %, เฉลี่ย %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>คุณต้องการบันทึกการเปลี่ยนแปลงของ %1 หรือไม่</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>การแปลงรูปทรงหรือการทำให้เรียบของโมเดลจะสูญหายหากคุณไม่บันทึก</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>เปิดได้ครั้งละหนึ่งโมเดล: เปิดเฉพาะ %1 เท่านั้น</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>โมเดลทั้งหมด (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;ไฟล์ STL (*.stl);; ไฟล์ PLY (*.ply);; ไฟล์ OBJ (*.obj);; ไฟล์ OFF (*.off);; ไฟล์ glTF (*.gltf *.glb);; ไฟล์ 3MF (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>ตรวจสอบว่าเป็นไฟล์ STL, OBJ, PLY, OFF, glTF, GLB หรือ 3MF ที่สมบูรณ์ หรือส่งออกไฟล์อีกครั้ง</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>ไฟล์ STL (*.stl);; ไฟล์ PLY (*.ply);; ไฟล์ OBJ (*.obj);; ไฟล์ GLB (*.glb);; ไฟล์ glTF (*.gltf);; ไฟล์ 3MF (*.3mf);; ไฟล์ OFF (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>ขอบเขตความคลาดเคลื่อน %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>ลบสามเหลี่ยมเท่าที่ขอบเขตความคลาดเคลื่อนของตัวกรอง (%1 ของเส้นทแยงมุมกล่องล้อมรอบ) ยอมให้</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 เก็บข้อมูลทั้งหมดของโมเดลนี้ไม่ได้ สิ่งที่จะไม่ถูกบันทึก:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>บันทึกต่อไป</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>ไม่ต้องถามอีก</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>เปิดคำถามนี้อีกครั้งได้ในการตั้งค่า</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>ยังไม่ได้สร้างระดับ %1%: คลิกเพื่อสร้างระดับที่ขาด</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>เปิดโมเดลด้วย %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>หรือลากไฟล์โมเดลมาวางที่นี่</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF หรือ 3MF)</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>ไฟล์ที่เปิดล่าสุดอยู่ท้ายเมนู %1</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>โมเดลที่ลดแล้วจะแสดงที่นี่</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>บันทึกชิ้นส่วนเป็นโมเดลเดียว(&amp;M)</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>บันทึกชิ้นส่วนของโมเดลที่มีหลายชิ้นส่วนเป็นชิ้นส่วนเดียว ตามที่วาดไว้</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>มุมมอง(&amp;V)</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>บันทึกระดับเป็นไฟล์เดียว(&amp;L)...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>บันทึกโมเดลและเก้าระดับเป็นระดับรายละเอียดในไฟล์ GLB ไฟล์เดียว ซึ่งเอนจินเกมและเว็บอ่านได้</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>แสดงความคลาดเคลื่อน(&amp;D)</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>ระบายสีโมเดลที่ลดแล้วตามระยะของแต่ละจุดจากโมเดลที่โหลด</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>บันทึกระดับเป็นไฟล์เดียว</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>ไฟล์ GLB (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>กำลังเปิดไฟล์...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>ไม่สามารถแปลงรูปหลายเหลี่ยมที่ไม่มีพื้นที่ %1 รูปเป็นสามเหลี่ยมได้ จึงละไว้</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>ยกเลิกการเปิดไฟล์แล้ว มุมมองด้านขวายังคงแสดง %1</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>ยกเลิกการเปิดไฟล์แล้ว</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>ยกเลิกแล้ว มุมมองด้านขวาแสดง %1 แทน</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>ยกเลิกแล้ว มุมมองด้านขวายังคงแสดง %1</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>กำลังลดทอน %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>กำลังลดทอนตามขอบเขตความคลาดเคลื่อน %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>กำลังทำให้เรียบ...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>บันทึกไปยัง %1 แล้ว</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>เสร็จสิ้น แต่ไม่สามารถลดทอนโมเดลได้มากขนาดนั้น: คงสามเหลี่ยมไว้ %1% ไม่ใช่ %2% ตามที่ขอ</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>เสร็จสิ้น แต่ไม่สามารถลดทอนโมเดลได้มากขนาดนั้น: ระดับ %1% คงสามเหลี่ยมไว้ %2%</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>เสร็จสิ้น</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>บันทึกไปที่ %1 แล้ว; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>เสร็จสิ้น แต่คงสามเหลี่ยมไว้ %1% ซึ่งน้อยกว่า %2% ตามที่ขอ</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>เสร็จสิ้น แต่ระดับ %1% คงสามเหลี่ยมไว้ %2% ซึ่งน้อยกว่าที่ขอ</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>หน่วยความจำไม่พอสำหรับการดำเนินการนี้: มุมมองด้านขวายังคงแสดง %1</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>หน่วยความจำไม่พอสำหรับระดับ %1%: ระดับที่อยู่สูงกว่ายังคงเก็บไว้</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>กำลังสร้างระดับใหม่ด้วยเอนจินที่เลือก: %1 จาก %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>กำลังสร้างระดับ: %1 จาก %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>ปุ่มของระดับที่ยังไม่ได้สร้างจะสร้างระดับที่ขาด</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>กำลังบันทึกไปที่ %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>อ่านเทกซ์เจอร์ %n รายการเป็นภาพไม่ได้: %1 วัสดุของเทกซ์เจอร์เหล่านั้นจะวาดด้วยสีพื้น</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>เสร็จแล้ว</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>เพื่อให้ได้จำนวนสามเหลี่ยม ขอบและตะเข็บของเท็กซ์เจอร์ได้รับอนุญาตให้เคลื่อนออกจากเส้นของมัน</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>ไม่มีไฟล์นี้อยู่</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>นี่คือโฟลเดอร์ ไม่ใช่ไฟล์โมเดล</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>นี่ไม่ใช่ไฟล์บนดิสก์ แต่เป็นไปป์ อุปกรณ์ หรือซ็อกเก็ต: Lumeno3D เปิดได้เฉพาะไฟล์โมเดลเท่านั้น</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>ไฟล์นี้ว่างเปล่า: ไม่มีโมเดลอยู่ในไฟล์</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>ไม่สามารถอ่านไฟล์นี้ได้: %1</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>ไฟล์นี้มีการเปลี่ยนแปลงระหว่างที่กำลังอ่าน โปรแกรมอื่นอาจยังเขียนไฟล์นี้อยู่ ให้เปิดอีกครั้งเมื่อไฟล์สมบูรณ์แล้ว</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D ไม่สามารถจัดเก็บสำเนาสำหรับทำงานของไฟล์นี้ไว้ในโฟลเดอร์ชั่วคราว %1 ได้ โฟลเดอร์อาจเต็ม</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>ไฟล์นี้อาจเสียหายและไม่สามารถโหลดได้</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>ไฟล์นี้ไม่มีสามเหลี่ยมที่มีพื้นที่ มีเพียงจุดหรือเส้น (เช่น พอยต์คลาวด์): Lumeno3D ใช้ลดทอนเมชสามเหลี่ยม</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>จุดทั้งหมดของโมเดลนี้อยู่ที่ตำแหน่งเดียวกัน: โมเดลไม่มีพื้นผิวให้แสดงหรือลดทอน</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D อ่านไฟล์ STL, OBJ, PLY, OFF, glTF, GLB และ 3MF ได้: เลือกไฟล์ที่ชื่อลงท้ายด้วย .stl, .obj, .ply, .off, .gltf, .glb หรือ .3mf</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>ไฟล์ %1 ซึ่งเก็บข้อมูลของโมเดลนี้ไม่ได้อยู่ข้างไฟล์โมเดลหรืออ่านไม่ได้: คัดลอกไฟล์นั้นไปไว้ในโฟลเดอร์เดียวกัน</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>ไฟล์นี้ต้องใช้ %1 ซึ่ง Lumeno3D อ่านไม่ได้: ส่งออกไฟล์อีกครั้งโดยไม่ใช้สิ่งนั้น</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>รวม %n ส่วนเป็นโมเดลเดียวแล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>วัสดุและเท็กซ์เจอร์ของไฟล์นี้จะไม่ถูกเก็บไว้: จะไม่ถูกบันทึกไปกับโมเดล</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>ละกลุ่มของจุดหรือเส้น %n กลุ่มไว้: กลุ่มเหล่านั้นไม่มีสามเหลี่ยม</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>สีของหน้าในไฟล์นี้จะถูกละไว้: Lumeno3D เก็บเฉพาะสีจุดยอด</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON ที่ซ้อนกันลึก %1 ระดับ</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>โหนดที่ซ้อนกันลึก %1 ระดับ</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>โหนดที่วางไว้ %1 โหนด</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>ส่วนที่วางไว้ %1 ส่วน</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>จุดหรือสามเหลี่ยม %1 รายการในทุกส่วนของไฟล์</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>ไฟล์นี้ใหญ่กว่า %1 ที่ Lumeno3D อ่านได้</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>หน่วยความจำไม่พอสำหรับอ่านไฟล์นี้: ปิดโปรแกรมอื่นแล้วเปิดไฟล์อีกครั้ง</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>ไฟล์นี้มีข้อมูลเกินกว่าที่ Lumeno3D อ่านได้: %1</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>ไม่รองรับ glTF 1.0 เนื่องจาก Lumeno3D อ่านได้เฉพาะ glTF 2.0</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>ไฟล์ glTF นี้ไม่มีเมช: ไม่มีพื้นผิวให้แสดงหรือลดทอน</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>ไฟล์นี้มีเพียงจุด ไม่มีสามเหลี่ยม: Lumeno3D ใช้ลดทอนเมชสามเหลี่ยม</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>ไฟล์ 3MF นี้ไม่ได้วางวัตถุใดไว้บนฐานพิมพ์: ไม่มีรายการบิลด์</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>ไฟล์นี้อ้างถึง %1 ซึ่งไม่ใช่ไฟล์ในโฟลเดอร์ของไฟล์นี้เอง: Lumeno3D อ่านเฉพาะไฟล์ที่อยู่ข้างไฟล์โมเดล</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>%1 ของไฟล์นี้จะถูกละไว้: มีเพียงบางส่วนหรือบางหน้าของไฟล์ที่มีข้อมูลนี้</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>ไฟล์นี้ระบุขนาดเป็นหน่วย &quot;%1&quot; ซึ่งได้แปลงเป็นมิลลิเมตรแล้ว</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>จุดยอดหรือมุมของหน้า %1 รายการ</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>หน่วย &quot;%1&quot;</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>คอมโพเนนต์ที่ซ้อนกันลึกเกิน %1 ระดับ</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>วัตถุที่วางไว้มากกว่า %1 ชิ้น</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>ข้อความที่ไม่มีแท็กมากกว่า %1 MiB</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>ไม่พบไลบรารีวัสดุข้างโมเดลนี้ หรืออยู่นอกโฟลเดอร์ของโมเดล: %1 วัสดุของไลบรารีเหล่านั้นจะแสดงด้วยสีพื้น</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>ไม่พบเทกซ์เจอร์ข้างโมเดลนี้ อยู่นอกโฟลเดอร์ หรืออ่านไม่ได้: %1 วัสดุของเทกซ์เจอร์เหล่านั้นจะแสดงด้วยสีพื้นของตัวเอง</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 วัสดุหรือ %2 กลุ่ม</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>โมเดลที่มีสามเหลี่ยมประมาณ %1 รูปนี้ต้องใช้หน่วยความจำประมาณ %2 เพื่อเปิดและสร้างระดับ แต่มีให้ใช้เพียง %3: ปิดโปรแกรมอื่น หรือเปิดบนคอมพิวเตอร์ที่มีหน่วยความจำมากกว่า</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>ไม่สามารถบันทึกโมเดลไปยัง %1
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>ไม่สามารถสร้างไฟล์ชั่วคราวในโฟลเดอร์เดียวกันได้</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>การเขียนไฟล์ล้มเหลว</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>ไม่ใช่ไฟล์ปกติ</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>ไม่มีโมเดลที่จะบันทึก</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>ไฟล์ถูกป้องกันการเขียน</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>โมเดลไม่มีสามเหลี่ยม</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>โมเดลมีพิกัดที่ไม่ใช่จำนวนจำกัด</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 ไม่ได้ถูกบันทึก: ไฟล์ STL เก็บได้เฉพาะสามเหลี่ยม</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 ไม่ได้ถูกบันทึก: ไฟล์ OBJ เก็บได้เฉพาะนอร์มัลและพิกัดเท็กซ์เจอร์</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 ไม่ได้ถูกบันทึก: ไฟล์ OFF เก็บได้เฉพาะสีจุดยอด</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 ไม่ได้ถูกบันทึก: ไฟล์ 3MF เก็บได้เฉพาะสีจุดยอด</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>ไม่ได้บันทึก %1: บันทึกโมเดลได้เฉพาะเป็นไฟล์ STL, PLY, OBJ, GLB, glTF, 3MF หรือ OFF เท่านั้น</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>หน่วยความจำไม่พอสำหรับเขียนไฟล์: ปิดโปรแกรมอื่นแล้วบันทึกอีกครั้ง</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n วัสดุ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n เทกซ์เจอร์</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n ชิ้นส่วน บันทึกเป็นโมเดลเดียว</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>ไม่ได้บันทึก: %1 ไฟล์ 3MF เก็บเทกซ์เจอร์สีพื้นฐานได้เฉพาะของโมเดลที่มีพิกัดเทกซ์เจอร์</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>ไม่ได้บันทึก: %1 ไฟล์ glTF เก็บได้เฉพาะภาพ PNG และ JPEG และบันทึกภาพที่หายไปไม่ได้</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>ไม่ได้บันทึก: %1 ไฟล์ %2 ไม่เก็บวัสดุ เทกซ์เจอร์ หรือชิ้นส่วน</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>ไม่ได้บันทึก %1: ระดับในไฟล์เดียวบันทึกได้เป็น GLB เท่านั้น</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>สีจุดยอด</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>นอร์มัล</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>พิกัดเท็กซ์เจอร์</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 และ%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SaveLoss</name>
    <message>
        <source>materials and textures</source>
        <translation>วัสดุและเท็กซ์เจอร์</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n ชิ้นส่วน (บันทึกเป็นโมเดลเดียว)</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>วัสดุและชิ้นส่วนที่การอ่านไฟล์เก็บไว้ไม่ได้ไม่อยู่ในโมเดล</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>การแปลงรูปทรง</translation>
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
        <translation>การหมุน</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
</context>
</TS>
