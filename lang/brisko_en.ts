<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ActionThread</name>
    <message>
        <source>Không đọc được thông tin tài khoản</source>
        <translation>Could not read the account information</translation>
    </message>
    <message>
        <source>tập tin rỗng</source>
        <translation>empty folder</translation>
    </message>
    <message>
        <source>Vui lòng kiểm tra lại đường dẫn %1</source>
        <translation>Please check your %1 links</translation>
    </message>
</context>
<context>
    <name>DialogDownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Lưu đến</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Sử dụng làm thư mục tải xuống mặc định</source>
        <translation>Use as the default download folder</translation>
    </message>
    <message>
        <source>Xem Online</source>
        <translation>View online</translation>
    </message>
    <message>
        <source>Download zip file</source>
        <translation>Download as a zip file</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Download&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>DialogLoading</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
</context>
<context>
    <name>DialogMsg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Xem chi tiết</source>
        <translation>Show details</translation>
    </message>
    <message>
        <source>Đóng lại</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông báo&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Notice&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Thu nhỏ</source>
        <translation>Hide details</translation>
    </message>
</context>
<context>
    <name>DialogOption</name>
    <message>
        <source>Tùy chỉnh</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Các tùy chọn được lưu trong tệp cấu hình của chương trình.</source>
        <translation>Settings are stored in the program&apos;s configuration file.</translation>
    </message>
</context>
<context>
    <name>DialogTurnOff</name>
    <message>
        <source>Hệ thống sẽ tự động tắt máy của bạn trong:</source>
        <translation>Your computer will shut down automatically in:</translation>
    </message>
    <message>
        <source>Ngưng tắt máy</source>
        <translation>Cancel shutdown</translation>
    </message>
</context>
<context>
    <name>DialogUpload</name>
    <message>
        <source>Tải lên</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Tập tin đã chọn:</source>
        <translation>Selected files:</translation>
    </message>
    <message>
        <source>Thư mục trên máy chủ:</source>
        <translation>Folder on the server:</translation>
    </message>
</context>
<context>
    <name>DownloadFile</name>
    <message>
        <source>Tạo link thất bại!</source>
        <translation>Could not create the download link!</translation>
    </message>
    <message>
        <source>Thư mục không tồn tại.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Không tạo được kết nối để tải tập tin.</source>
        <translation>Could not open a connection to download the file.</translation>
    </message>
    <message>
        <source>Chờ... </source>
        <translation>Waiting... </translation>
    </message>
    <message>
        <source>Chờ %1 s</source>
        <translation>Waiting (%1 s)</translation>
    </message>
    <message>
        <source>Tập tin trên máy lớn hơn tập tin cần tải. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>The file on this computer is larger than the file to download. Please choose another folder for the download.</translation>
    </message>
    <message>
        <source>Error opening local file</source>
        <translation>Error opening local file</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Partial file downloaded</source>
        <translation>Download incomplete</translation>
    </message>
    <message>
        <source>Service is not available</source>
        <translation>Service is not available</translation>
    </message>
    <message>
        <source>Lỗi kết nối máy chủ. Vui lòng kiểm tra lại kết nối mạng.</source>
        <translation>Could not connect to the server. Please check your network connection.</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu trữ tập tin</source>
        <translation>Not enough free space to store the file</translation>
    </message>
    <message>
        <source>Lỗi ghi dữ liệu xuống file.</source>
        <translation>Error writing data to the file.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Phân vùng FAT32 không thể chứa tập tin lớn hơn 4GB. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>A FAT32 partition cannot hold files larger than 4GB. Please choose another folder for the download.</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Starting</translation>
    </message>
    <message>
        <source>Tập tin có mật khẩu. Double click để nhập mật khẩu!</source>
        <translation>This file is password-protected. Double-click to enter the password.</translation>
    </message>
    <message>
        <source>Mật khẩu không đúng. Vui lòng nhập lại!</source>
        <translation>Wrong password. Please enter it again!</translation>
    </message>
    <message>
        <source>Quá số IP cho phép. Tài khoản của quý khách đang được sử dụng quá số IP cho phép.</source>
        <translation>Too many IP addresses. Your account is being used from more IP addresses than allowed.</translation>
    </message>
</context>
<context>
    <name>FormDownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tập tin đã tải</source>
        <translation>Downloaded files</translation>
    </message>
    <message>
        <source>Tên file</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Link file</source>
        <translation>File link</translation>
    </message>
    <message>
        <source>Thuộc thư mục</source>
        <translation>Saved to</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Tạm dừng tất cả</source>
        <translation>Pause all</translation>
    </message>
    <message>
        <source>Bắt đầu tất cả</source>
        <translation>Start all</translation>
    </message>
    <message>
        <source>Xóa </source>
        <translation>Remove </translation>
    </message>
    <message>
        <source>Tạm ngưng</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Bắt đầu</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Tạo mới</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Tập tin</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Trạng thái</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tiến trình</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Tốc độ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Kết thúc</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Lỗi download!

Bạn nên chọn Yes để Brisko tool khởi động lại
v�  tiếp tục download. Hoặc chọn No để thử lại.</source>
        <translation>Download error!

You should choose Yes to restart Brisko tool
and continue downloading. Or choose No to try again.</translation>
    </message>
    <message>
        <source>Lỗi Download</source>
        <translation>Download error</translation>
    </message>
    <message>
        <source>Tạm dừng</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Tải tập tin</source>
        <translation>Download file</translation>
    </message>
    <message>
        <source>Xem video online</source>
        <translation>Watch video online</translation>
    </message>
    <message>
        <source>Di chuyển lên đầu</source>
        <translation>Move to the top</translation>
    </message>
    <message>
        <source>Di chuyển lên</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Di chuyển xuống</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Di chuyển xuống cuối</source>
        <translation>Move to the bottom</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Thông tin file</source>
        <translation>File information</translation>
    </message>
    <message>
        <source>Mở tập tin</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Mở thư mục chứa tập tin</source>
        <translation>Open containing folder</translation>
    </message>
    <message>
        <source>Tải lại</source>
        <translation>Re-download</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin để bắt đầu tải xuống</source>
        <translation>Please select the files to download.</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin cần tạm dừng tải xuống</source>
        <translation>Please select the downloads to pause.</translation>
    </message>
    <message>
        <source>Xác nhận xóa</source>
        <translation>Confirm removal</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn xóa tập tin này không?</source>
        <translation>Do you really want to remove this file from the list?</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Vui lòng chọn ít nhất một tập tin cần xoá</source>
        <translation>Please select at least one file to remove</translation>
    </message>
    <message>
        <source>Bạn phải &lt;b&gt;dừng tải xuống&lt;/b&gt; các tập tin đã chọn trước khi xóa</source>
        <translation>You must &lt;b&gt;pause&lt;/b&gt; the selected downloads before removing them</translation>
    </message>
    <message>
        <source>Xác nhận tải lại</source>
        <translation>Confirm re-download</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn tải lại tập tin này không?
Sau khi bạn tải lại nếu tập tin tồn tại sẽ bị xóa.</source>
        <translation>Do you really want to download this file again?
If the file exists, it will be deleted when you download it again.</translation>
    </message>
    <message>
        <source>Lỗi mở tập tin</source>
        <translation>Error opening the file</translation>
    </message>
    <message>
        <source>Tập tin bạn chọn không tồn tại</source>
        <translation>The file you chose does not exist</translation>
    </message>
    <message>
        <source>Lỗi mở thư mục</source>
        <translation>Error opening the folder</translation>
    </message>
    <message>
        <source>Thư mục bạn chọn không tồn tại</source>
        <translation>The folder you chose does not exist</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu danh sách tải xuống</source>
        <translation>Not enough free space to save the download list</translation>
    </message>
    <message>
        <source>Lỗi lưu danh sách tải xuống</source>
        <translation>Error saving the download list</translation>
    </message>
    <message>
        <source>Lỗi thông tin tải xuống: </source>
        <translation>Error in the download list: </translation>
    </message>
    <message>
        <source>Danh sách các tập tin tải xuống bị lỗi
Vui lòng thêm lại vào danh sách</source>
        <translation>The list of downloads is damaged
Please add the files to the list again</translation>
    </message>
    <message>
        <source>Chương trình không hỗ trợ mở loại định dạng của tập tin này</source>
        <translation>The program cannot open files of this type</translation>
    </message>
    <message>
        <source>View Online</source>
        <translation>Viewing online</translation>
    </message>
</context>
<context>
    <name>FormInfo</name>
    <message>
        <source>Đăng xuất</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tài khoản:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Mã thành viên:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Loại thành viên:&lt;/b&gt; %3</source>
        <translation>&lt;b&gt;Account:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Member ID:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Membership:&lt;/b&gt; %3</translation>
    </message>
</context>
<context>
    <name>FormManage</name>
    <message>
        <source>Thư mục gốc của tài khoản</source>
        <translation>Account root folder</translation>
    </message>
</context>
<context>
    <name>FormUpload</name>
    <message>
        <source>Tập tin chờ tải lên:</source>
        <translation>Files waiting to upload:</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>Đăng nhập Brisko Tool</source>
        <translation>Log in to Brisko Tool</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;Nếu bạn chưa có tài khoản, vui lòng &lt;a href=&quot;%1/signup&quot;&gt;đăng ký&lt;/a&gt; tại đây</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;No account yet? Please &lt;a href=&quot;%1/signup&quot;&gt;sign up&lt;/a&gt; here</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;Quên mật khẩu?&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;Forgot your password?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ghi nhớ</source>
        <translation>Remember me</translation>
    </message>
    <message>
        <source>Thư điện tử</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Đăng nhập</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Thoát</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Tự động đăng nhập</source>
        <translation>Log in automatically</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;Tùy chọn&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;Settings&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>1.0.0</source>
        <translation>1.0.0</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Đang kiểm tra phiên bản mới&lt;/b&gt;</source>
        <translation>&lt;b&gt;Checking for a new version&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Kết nối mạng bị lỗi 
</source>
        <translation>The network connection failed 
</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>MainWindow</source>
        <translation>Brisko Tool</translation>
    </message>
    <message>
        <source>Tải xuống: %1</source>
        <translation>Download: %1</translation>
    </message>
    <message>
        <source>Tải lên: %1</source>
        <translation>Upload: %1</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Quản lý file</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Tìm nội dung</source>
        <translation>Find content</translation>
    </message>
    <message>
        <source>Tài &amp;khoản</source>
        <translation>&amp;Account</translation>
    </message>
    <message>
        <source>&amp;Công cụ</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>T&amp;rợ giúp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Tạ&amp;o mới</source>
        <translation>&amp;Sign up…</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Brisko</source>
        <translation>&amp;About Brisko Tool</translation>
    </message>
    <message>
        <source>Tùy &amp;chỉnh</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Đăng &amp;xuất</source>
        <translation>Log &amp;out</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Thoát</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Xem &amp;thông tin</source>
        <translation>Account &amp;details</translation>
    </message>
    <message>
        <source>Shift+X</source>
        <translation>Shift+X</translation>
    </message>
    <message>
        <source>Hướng dẫn sử dụng</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Nhập link từ file...</source>
        <translation>Import links from a file...</translation>
    </message>
    <message>
        <source>Nhập link download Brisko từ file văn bản</source>
        <translation>Import Brisko download links from a text file</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Dán đường dẫn</source>
        <translation>Paste links</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <comment>&amp;Upload</comment>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Mở chương trình</source>
        <translation>Open Brisko Tool</translation>
    </message>
    <message>
        <source>Đóng chương trình</source>
        <translation>Quit Brisko Tool</translation>
    </message>
    <message>
        <source>Chọn tập tin</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Txt file(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Hoàn thành: </source>
        <translation>Completed: </translation>
    </message>
    <message>
        <source>Tiến trình tải lên</source>
        <translation>Uploads</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <comment>about the program</comment>
        <translation>About Brisko Tool</translation>
    </message>
</context>
<context>
    <name>MediaPlayerInfo</name>
    <message>
        <source>Đang tải trình xem phim %1</source>
        <translation>Downloading the video player %1</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Login error! (%1)</source>
        <translation>Login error! (%1)</translation>
    </message>
    <message>
        <source>Thoát!</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn thoát khỏi chương trình?</source>
        <translation>Do you really want to quit the program?</translation>
    </message>
    <message>
        <source>Đăng xuất!</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn đăng xuất ?</source>
        <translation>Do you really want to log out?</translation>
    </message>
    <message>
        <source>Lỗi (%1)</source>
        <translation>Error (%1)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Thư mục không tồn tại, bạn có muốn tạo thư mục này không?</source>
        <translation>The folder does not exist. Do you want to create it?</translation>
    </message>
    <message>
        <source>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Could not create the folder. Please check the path &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Vui lòng nhập đường dẫn tải xuống của brisko.</source>
        <translation>Please enter a Brisko download link.</translation>
    </message>
    <message>
        <source>Vui lòng chọn đường dẫn thư mục!</source>
        <translation>Please choose a folder!</translation>
    </message>
</context>
<context>
    <name>RssManager</name>
    <message>
        <source>Chưa có nguồn phim nào.</source>
        <translation>No video feeds yet.</translation>
    </message>
</context>
<context>
    <name>ShowErrorDetail</name>
    <message>
        <source>Dữ liệu ngày tháng không hợp lệ</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <source>Toán tử không hợp lệ</source>
        <translation>Invalid operator</translation>
    </message>
    <message>
        <source>Thao tác không được phép thực hiện</source>
        <translation>This operation is not allowed</translation>
    </message>
    <message>
        <source>Tham số quá lớn</source>
        <translation>Parameter too large</translation>
    </message>
    <message>
        <source>Đăng nhập sai Username hoặc Pass</source>
        <translation>Wrong username or password</translation>
    </message>
    <message>
        <source>Không thể giải quyết yêu cầu</source>
        <translation>The request could not be processed</translation>
    </message>
    <message>
        <source>Dữ liệu đã được sử dụng</source>
        <translation>The data is already in use</translation>
    </message>
    <message>
        <source>Mã xác nhận không chính xác</source>
        <translation>Incorrect verification code</translation>
    </message>
    <message>
        <source>Dữ liệu không phép rỗng</source>
        <translation>The data must not be empty</translation>
    </message>
    <message>
        <source>Dữ liệu không nằm trong danh sách</source>
        <translation>The data is not in the list</translation>
    </message>
    <message>
        <source>Dữ liệu tên file/folder không hợp lệ</source>
        <translation>Invalid file or folder name</translation>
    </message>
    <message>
        <source>Dữ liệu phải là số nguyên</source>
        <translation>The data must be a whole number</translation>
    </message>
    <message>
        <source>Dữ liệu phải là định dạng email</source>
        <translation>The data must be an e-mail address</translation>
    </message>
    <message>
        <source>Dữ liệu URL không chính xác</source>
        <translation>Incorrect URL</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không hợp lệ</source>
        <translation>Invalid input</translation>
    </message>
    <message>
        <source>Dữ liệu không tồn tại</source>
        <translation>The data does not exist</translation>
    </message>
    <message>
        <source>Thư mục mặc định, không cho phép thực hiện chức năng này</source>
        <translation>This action is not allowed on a default folder.</translation>
    </message>
    <message>
        <source>Dữ liệu đã bị xóa</source>
        <translation>The data has been deleted</translation>
    </message>
    <message>
        <source>Loại thành viên không đủ quyền thực hiện chức năng</source>
        <translation>Your membership type does not allow this function</translation>
    </message>
    <message>
        <source>Dữ liệu đã có trong danh sách</source>
        <translation>The data is already in the list</translation>
    </message>
    <message>
        <source>Dung lượng không đủ để thực hiện chức năng</source>
        <translation>Not enough storage space for this function</translation>
    </message>
    <message>
        <source>User không tồn tại</source>
        <translation>The account does not exist</translation>
    </message>
    <message>
        <source>Gửi mail không thành công</source>
        <translation>The e-mail could not be sent</translation>
    </message>
    <message>
        <source>Thao tác đổi tên thành công, nhưng bị thay đổi nội dung</source>
        <translation>Renamed successfully, but the name was adjusted</translation>
    </message>
    <message>
        <source>Thực hiện thao tác di chuyển ngay tại vị trí cũ</source>
        <translation>The destination is the same as the current location.</translation>
    </message>
    <message>
        <source>Thao tác di chuyển phải thực hiện vào Thư mục</source>
        <translation>Items can only be moved into a folder</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển vào thư mục con của nó</source>
        <translation>A folder cannot be moved into one of its subfolders</translation>
    </message>
    <message>
        <source>Thao tác copy phải thực hiện vào Thư mục</source>
        <translation>Items can only be copied into a folder</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác copy vào thư mục con của nó</source>
        <translation>A folder cannot be copied into one of its subfolders</translation>
    </message>
    <message>
        <source>Thao tác clone phải thực hiện vào Thư mục</source>
        <translation>Items can only be cloned into a folder</translation>
    </message>
    <message>
        <source>Tài nguyên không Public</source>
        <translation>The resource is not public</translation>
    </message>
    <message>
        <source>Dung lượng trafic không đủ</source>
        <translation>Not enough traffic left</translation>
    </message>
    <message>
        <source>Dung lượng trafic đủ</source>
        <translation>Enough traffic left</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển thư mục đó vào chính nó</source>
        <translation>A folder cannot be moved into itself</translation>
    </message>
    <message>
        <source>File clone không đúng định dạng</source>
        <translation>The file to clone has a wrong format</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không chính xác</source>
        <translation>Incorrect input</translation>
    </message>
    <message>
        <source>Không tồn tại!</source>
        <translation>Does not exist!</translation>
    </message>
    <message>
        <source>Lỗi server</source>
        <translation>Server error</translation>
    </message>
    <message>
        <source>Thực hiện không thành công</source>
        <translation>The operation failed</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
</context>
<context>
    <name>SimpleDownloadDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đang tải ...</source>
        <translation>Downloading ...</translation>
    </message>
</context>
<context>
    <name>TableDownloadModel</name>
    <message>
        <source>Queued</source>
        <translation>Queued</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>Brisko Tool của bạn đã được cập nhật thành công</source>
        <translation>Your Brisko Tool has been updated successfully</translation>
    </message>
    <message>
        <source>Quá trình cập nhật bị lỗi. Thử lại lần nữa?</source>
        <translation>The update failed. Try again?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Vui lòng tải phiên bản mới tại %1</source>
        <translation>Your version of Brisko Tool is too old.&lt;br&gt;Please download the new version at %1</translation>
    </message>
    <message>
        <source>Brisko Tool đã có phiên bản %1.
Bạn có muốn tải &amp; cập nhật ngay không?</source>
        <translation>Brisko Tool version %1 is available.
Do you want to download and update now?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Chọn &lt;b&gt;Ok&lt;/b&gt; để cập nhật lên phiên bản %1.</source>
        <translation>Your version of Brisko Tool is too old.&lt;br&gt;Choose &lt;b&gt;OK&lt;/b&gt; to update to version %1.</translation>
    </message>
    <message>
        <source>Đang tải tập tin cập nhật...</source>
        <translation>Downloading the update...</translation>
    </message>
    <message>
        <source>Lỗi không xác định khi tải tập tin cập nhật. Vui lòng thử lại sau&lt;br&gt;Hoặc tải trực tiếp tại %1</source>
        <translation>An unknown error occurred while downloading the update. Please try again later&lt;br&gt;Or download it directly at %1</translation>
    </message>
    <message>
        <source>Cập nhật đã bị hủy hoặc bị lỗi khi tải về</source>
        <translation>The update was canceled or failed to download</translation>
    </message>
</context>
<context>
    <name>UploadFile</name>
    <message>
        <source>Lỗi kết nối mạng.</source>
        <translation>Network connection error.</translation>
    </message>
    <message>
        <source>Lấy không được thông tin user</source>
        <translation>Could not get the account information</translation>
    </message>
    <message>
        <source>Đã hết dung lượng bảo đảm!</source>
        <translation>The secure storage space is used up!</translation>
    </message>
    <message>
        <source>Đã hết dung lượng không bảo đảm!</source>
        <translation>The non-secure storage space is used up!</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Starting</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Tập tin bị thay đổi. Vui lòng tạo lại phiên tải lên khác để tải lên lại.</source>
        <translation>The file has changed. Please create a new upload session to upload it again.</translation>
    </message>
    <message>
        <source>Upload file not found</source>
        <translation>Upload file not found</translation>
    </message>
    <message>
        <source>Không thể mở tập tin</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>Lỗi tải lên! Thử lại sau %1s</source>
        <translation>Upload error! Retrying in %1s</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizing</translation>
    </message>
    <message>
        <source>Đăng ký tập tin với server thất bại!</source>
        <translation>Registering the file with the server failed!</translation>
    </message>
</context>
<context>
    <name>dialogabout</name>
    <message>
        <source>Thông tin</source>
        <translation>About Brisko Tool</translation>
    </message>
</context>
</TS>
