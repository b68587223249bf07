<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
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
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>Lumeno3D จะปิดเพื่อติดตั้งเวอร์ชันใหม่
คุณต้องการปิดและอัปเดต Lumeno3D หรือไม่
(การเปลี่ยนแปลงที่ยังไม่ได้บันทึกจะสูญหาย)</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
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
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>คุณได้เปลี่ยนภาษาที่ใช้แสดงส่วนติดต่อผู้ใช้ของ Lumeno3D

การเปลี่ยนแปลงนี้จะมีผลหลังจากเริ่ม Lumeno3D ใหม่</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>ไม่สามารถใช้ขนาดเหล่านี้ได้: ทุกขนาดต้องมากกว่า 0 และโมเดลที่ปรับขนาดแล้วต้องอยู่ภายในช่วงพิกัดที่ไฟล์โมเดลเก็บได้</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
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
        <source>New</source>
        <translation>ใหม่</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>บันทึกเป็น...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>การกำหนดลักษณะ</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>เนื้อหา</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
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
        <source>Done</source>
        <translation>เสร็จสิ้น</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>ป้อนค่าความคลาดเคลื่อนสูงสุด:</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>ป้อนเปอร์เซ็นต์:</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>กำลังทำให้เรียบ...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>เปิดไฟล์</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>ไฟล์ทั้งหมด (*.stl *.obj *.ply);;ไฟล์ STL (*.stl);; ไฟล์ PLY (*.ply);; ไฟล์ OBJ (*.obj)</translation>
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
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>ไฟล์นี้อาจเสียหายและไม่สามารถโหลดได้</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>กำลังเปิดไฟล์...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>ยังไม่มีโมเดลที่โหลดใน Lumeno</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>ไฟล์ STL (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>บันทึกโมเดล</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>ไฟล์ STL (*.stl);; ไฟล์ PLY (*.ply);; ไฟล์ OBJ (*.obj)</translation>
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
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
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
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>ไม่ได้บันทึก %1: บันทึกโมเดลได้เฉพาะเป็นไฟล์ STL, PLY หรือ OBJ เท่านั้น</translation>
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
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>การแปลงรูปทรง</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>มาตราส่วน</translation>
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
</context>
</TS>
