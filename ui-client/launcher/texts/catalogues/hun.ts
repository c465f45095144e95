<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>global</name>
    <message>
        <source>Delete</source>
        <extracomment>tray_delete op_delete</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tarnwell Folder</source>
        <extracomment>tray_open_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tarnwell on the Web</source>
        <extracomment>tray_open_web</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <extracomment>tray_recent_changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <extracomment>tray_pause_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <extracomment>tray_resume_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <extracomment>tray_manage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>tray_help</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tarnwell Client</source>
        <extracomment>tray_about title_about</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>tray_exit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Out</source>
        <extracomment>tray_sign_out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>tray_status_up_to_date status_up_to_date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <extracomment>tray_status_syncing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing paused</source>
        <extracomment>tray_status_paused</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline - trying to reconnect</source>
        <extracomment>tray_status_offline</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to sync some files</source>
        <extracomment>tray_status_error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading %1 of %2</source>
        <extracomment>tray_uploading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1 of %2</source>
        <extracomment>tray_downloading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 remaining</source>
        <extracomment>tray_remaining</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <extracomment>tray_show_in_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>tray_copy_link share_link_copy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent changes</source>
        <extracomment>tray_no_recent</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View All Activity</source>
        <extracomment>tray_view_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <extracomment>tray_storage_usage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tarnwell storage is full</source>
        <extracomment>tray_storage_full</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <extracomment>tray_balloon_sync_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was added to %2.</source>
        <extracomment>tray_balloon_new_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was deleted from your Tarnwell folder.</source>
        <extracomment>tray_balloon_deleted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A conflicting copy of %1 was created.</source>
        <extracomment>tray_balloon_conflict</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>btn_ok msi_ok</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>btn_cancel msi_cancel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>btn_yes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>btn_no</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>btn_apply</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>btn_close</extracomment>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>btn_next</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>btn_back</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>btn_finish</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>btn_skip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>btn_retry</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <extracomment>btn_browse</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change...</source>
        <extracomment>btn_change</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>btn_add</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>btn_remove</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>btn_edit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>btn_save</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>btn_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In</source>
        <extracomment>btn_sign_in title_sign_in</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>btn_continue</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>btn_restore title_restore op_restore</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>btn_details detail_view</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn More</source>
        <extracomment>btn_learn_more</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>btn_later</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Now</source>
        <extracomment>btn_install_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Now</source>
        <extracomment>btn_restart_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>btn_select_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>btn_clear</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>btn_export</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client Setup</source>
        <extracomment>wizard_window_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Tarnwell</source>
        <extracomment>wizard_welcome_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the files on this computer in sync with your Tarnwell server. This wizard helps you set everything up in a few steps.</source>
        <extracomment>wizard_welcome_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Now</source>
        <extracomment>wizard_start</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <extracomment>wizard_server_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the address of your Tarnwell server or its Relay ID.</source>
        <extracomment>wizard_server_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address or Relay ID</source>
        <extracomment>wizard_server_address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. tarnwell.example.com or MyRelayID</source>
        <extracomment>wizard_server_placeholder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a server address.</source>
        <extracomment>wizard_server_empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;relay&quot;&gt;What is a Relay ID?&lt;/a&gt;</source>
        <extracomment>wizard_what_is_relay</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <extracomment>wizard_connecting</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to find the server %1. Check the address and your network connection.</source>
        <extracomment>wizard_server_not_found</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to %1</source>
        <extracomment>wizard_account_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username or email</source>
        <extracomment>wizard_username</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>wizard_password accessible_password_field</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember me</source>
        <extracomment>wizard_remember_me</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;forgot&quot;&gt;Forgot your password?&lt;/a&gt;</source>
        <extracomment>wizard_forgot_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in...</source>
        <extracomment>wizard_signing_in</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <extracomment>wizard_login_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-Step Verification</source>
        <extracomment>wizard_otp_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <extracomment>wizard_otp_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification code</source>
        <extracomment>wizard_otp_code accessible_otp_field</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ask again on this computer</source>
        <extracomment>wizard_otp_trust_device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The verification code is invalid or has expired.</source>
        <extracomment>wizard_otp_invalid</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;emergency&quot;&gt;Lost your phone? Use an emergency code&lt;/a&gt;</source>
        <extracomment>wizard_otp_lost_device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untrusted certificate</source>
        <extracomment>wizard_cert_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted. Someone may be trying to intercept your connection.</source>
        <extracomment>wizard_cert_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256 fingerprint: %1</source>
        <extracomment>wizard_cert_fingerprint</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trust this certificate and continue</source>
        <extracomment>wizard_cert_trust</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what to do</source>
        <extracomment>wizard_task_type_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync files</source>
        <extracomment>wizard_task_type_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep a folder on the server and a folder on this computer identical.</source>
        <extracomment>wizard_task_type_sync_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up files</source>
        <extracomment>wizard_task_type_backup</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy files from this computer to the server, on demand or on a schedule.</source>
        <extracomment>wizard_task_type_backup_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync on demand</source>
        <extracomment>wizard_task_type_ondemand sync_ondemand</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See all server files here and download them only when you open them.</source>
        <extracomment>wizard_task_type_ondemand_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up the sync folders</source>
        <extracomment>wizard_folder_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder on the server</source>
        <extracomment>wizard_remote_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder on this computer</source>
        <extracomment>wizard_local_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the default settings</source>
        <extracomment>wizard_default_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folders myself</source>
        <extracomment>wizard_custom_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder on %1</source>
        <extracomment>wizard_choose_remote</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a local folder</source>
        <extracomment>wizard_choose_local</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Its files will be merged with the files on the server.</source>
        <extracomment>wizard_folder_not_empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already used by another sync task.</source>
        <extracomment>wizard_folder_in_use</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local folder cannot be inside or contain another sync folder.</source>
        <extracomment>wizard_folder_nested</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to write to %1.</source>
        <extracomment>wizard_folder_no_permission</extracomment>
        <translation>Nincs engedélye írni ide: %1.</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Please choose another folder.</source>
        <extracomment>wizard_folder_system</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders on removable drives may become unavailable. Continue anyway?</source>
        <extracomment>wizard_folder_removable</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an empty folder &quot;%1&quot;</source>
        <extracomment>wizard_create_empty_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also sync team folders</source>
        <extracomment>wizard_sync_team_folders</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync my home folder</source>
        <extracomment>wizard_sync_home</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 of free space is needed on this computer.</source>
        <extracomment>wizard_space_needed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free space on %1 (%2 needed, %3 available).</source>
        <extracomment>wizard_space_not_enough</extracomment>
        <translation>Nincs elég szabad hely itt: %1 (szükséges: %2, elérhető: %3).</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <extracomment>wizard_advanced</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose folders to sync</source>
        <extracomment>wizard_selective_sync selective_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync direction</source>
        <extracomment>wizard_sync_direction</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <extracomment>wizard_direction_two_way</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload local changes only</source>
        <extracomment>wizard_direction_upload_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download remote changes only</source>
        <extracomment>wizard_direction_download_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t remove files from the server when they are deleted on this computer</source>
        <extracomment>wizard_keep_locally_deleted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the folders to back up</source>
        <extracomment>wizard_backup_source</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up to</source>
        <extracomment>wizard_backup_destination</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the backup on a schedule</source>
        <extracomment>wizard_backup_schedule</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <extracomment>wizard_backup_versions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review your settings</source>
        <extracomment>wizard_summary_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server: %1</source>
        <extracomment>wizard_summary_server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account: %1</source>
        <extracomment>wizard_summary_account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server folder: %1</source>
        <extracomment>wizard_summary_remote</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local folder: %1</source>
        <extracomment>wizard_summary_local</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re all set!</source>
        <extracomment>wizard_finish_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your files will start syncing now. You can follow the progress from the icon in the notification area.</source>
        <extracomment>wizard_finish_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the sync folder when I click Done</source>
        <extracomment>wizard_open_folder_on_finish</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? Tarnwell Client will not sync any files until it is set up.</source>
        <extracomment>wizard_cancel_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hollowmere settings found</source>
        <extracomment>wizard_legacy_found_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client found the sync settings of Hollowmere on this computer. Do you want to keep using them?</source>
        <extracomment>wizard_legacy_found_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import my Hollowmere settings</source>
        <extracomment>wizard_legacy_import</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with a new setup</source>
        <extracomment>wizard_legacy_start_fresh</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1 sync tasks from Hollowmere...</source>
        <extracomment>wizard_legacy_importing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sync tasks were imported.</source>
        <extracomment>wizard_legacy_imported</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By continuing you agree to the &lt;a href=&quot;terms&quot;&gt;Terms of Service&lt;/a&gt; and the &lt;a href=&quot;privacy&quot;&gt;Privacy Policy&lt;/a&gt;.</source>
        <extracomment>wizard_privacy_notice</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <extracomment>wizard_step</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <extracomment>err_unknown</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown error occurred (error code: %1).</source>
        <extracomment>err_unknown_with_code</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to the server. Please check your network connection.</source>
        <extracomment>err_network</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <extracomment>err_network_timeout</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server name %1 could not be resolved.</source>
        <extracomment>err_dns</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the connection on port %1.</source>
        <extracomment>err_connection_refused</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <extracomment>err_proxy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server requires a valid username and password.</source>
        <extracomment>err_proxy_auth</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>err_ssl_handshake</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server certificate has expired.</source>
        <extracomment>err_ssl_cert_expired</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server certificate was issued for %1, not for %2.</source>
        <extracomment>err_ssl_cert_mismatch</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server certificate has changed since you last connected.</source>
        <extracomment>err_ssl_cert_changed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication failed. Please sign in again.</source>
        <extracomment>err_auth_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account has been disabled. Please contact your administrator.</source>
        <extracomment>err_account_disabled</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account has expired.</source>
        <extracomment>err_account_expired</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password has expired. Please change it on the web portal and sign in again.</source>
        <extracomment>err_password_expired</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-step verification is required for this account.</source>
        <extracomment>err_otp_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your session has expired.</source>
        <extracomment>err_session_expired</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again in %1 minutes.</source>
        <extracomment>err_too_many_attempts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <extracomment>err_ip_blocked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to use Tarnwell. Please contact your administrator.</source>
        <extracomment>err_no_privilege</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tarnwell service on the server is not running.</source>
        <extracomment>err_server_not_ready</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server is busy. Syncing will resume automatically.</source>
        <extracomment>err_server_busy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server runs version %1, but at least version %2 is required.</source>
        <extracomment>err_server_version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version of Tarnwell Client is no longer supported by the server. Please update.</source>
        <extracomment>err_client_too_old</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <extracomment>err_quota_exceeded</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough space on the server.</source>
        <extracomment>err_volume_full</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <extracomment>err_local_disk_full</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough space on the disk that holds %1.</source>
        <extracomment>err_local_disk_full_path</extracomment>
        <translation>Nincs elég hely a(z) %1 mappát tartalmazó lemezen.</translation>
    </message>
    <message>
        <source>The file %1 no longer exists.</source>
        <extracomment>err_file_not_found</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 no longer exists.</source>
        <extracomment>err_folder_not_found</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server folder of this task was removed or renamed.</source>
        <extracomment>err_remote_folder_removed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local sync folder %1 was removed or moved.</source>
        <extracomment>err_local_folder_removed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <extracomment>err_access_denied</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>err_read_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <extracomment>err_file_in_use</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is locked.</source>
        <extracomment>err_file_locked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than the maximum file size allowed by the server (%2).</source>
        <extracomment>err_file_too_large</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of %1 is too long.</source>
        <extracomment>err_file_name_too_long</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path of %1 is too long.</source>
        <extracomment>err_path_too_long</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name %1 contains characters that are not allowed on the server.</source>
        <extracomment>err_invalid_characters</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be synced.</source>
        <extracomment>err_reserved_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differs from another file only in upper and lower case.</source>
        <extracomment>err_case_conflict</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolic links are not synced: %1</source>
        <extracomment>err_symlink</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a special file and cannot be synced.</source>
        <extracomment>err_special_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed while it was being uploaded. It will be uploaded again.</source>
        <extracomment>err_file_changed_during_upload</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded file %1 is damaged. It will be downloaded again.</source>
        <extracomment>err_checksum</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to upload %1.</source>
        <extracomment>err_upload_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download %1.</source>
        <extracomment>err_download_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to rename %1 to %2.</source>
        <extracomment>err_rename_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to move %1.</source>
        <extracomment>err_move_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to delete %1.</source>
        <extracomment>err_delete_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create the folder %1.</source>
        <extracomment>err_create_folder_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to copy %1 to %2.</source>
        <extracomment>err_copy_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1.</source>
        <extracomment>err_open_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A read or write error occurred on %1.</source>
        <extracomment>err_io</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted shared folders cannot be synced while they are unmounted.</source>
        <extracomment>err_encrypted_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file system of %1 is not supported for syncing.</source>
        <extracomment>err_not_supported_fs</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network drives cannot be used as sync folders.</source>
        <extracomment>err_network_drive</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync database is damaged. Tarnwell Client will rebuild it.</source>
        <extracomment>err_database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync database is in use by another process.</source>
        <extracomment>err_database_locked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load the settings. The default settings will be used.</source>
        <extracomment>err_config_load</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <extracomment>err_config_save</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client is already running.</source>
        <extracomment>err_already_running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync service is not running. Please restart Tarnwell Client.</source>
        <extracomment>err_daemon_not_running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to communicate with the sync service.</source>
        <extracomment>err_daemon_connect</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A task with the same folders already exists.</source>
        <extracomment>err_task_exists</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can create at most %1 tasks.</source>
        <extracomment>err_task_limit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup source %1 cannot be found.</source>
        <extracomment>err_backup_source_missing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup destination %1 cannot be found.</source>
        <extracomment>err_backup_dest_missing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to restore %1.</source>
        <extracomment>err_restore_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected version is no longer available on the server.</source>
        <extracomment>err_version_not_found</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create a sharing link for %1.</source>
        <extracomment>err_share_link_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing is disabled for this folder.</source>
        <extracomment>err_share_not_allowed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download the update. Please try again later.</source>
        <extracomment>err_update_download</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to install the update. Please download the latest version from &lt;a href=&quot;https://www.tarnwell.com/download&quot;&gt;www.tarnwell.com&lt;/a&gt;.</source>
        <extracomment>err_update_install</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to export the logs to %1.</source>
        <extracomment>err_export_log</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path %1 is invalid.</source>
        <extracomment>err_invalid_path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds more than %1 files. Syncing large folders may take a long time.</source>
        <extracomment>err_too_many_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system limit of watched folders has been reached. Changes in some folders will be detected only during periodic scans. &lt;a href=&quot;inotify&quot;&gt;How do I raise the limit?&lt;/a&gt;</source>
        <extracomment>err_inotify_limit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For details, see the log.</source>
        <extracomment>err_see_log</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <extracomment>msi_welcome_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <extracomment>msi_welcome_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard will update [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <extracomment>msi_welcome_update_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <extracomment>msi_license_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <extracomment>msi_license_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <extracomment>msi_license_accept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <extracomment>msi_license_decline</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>msi_print</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <extracomment>msi_back</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <extracomment>msi_next</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <extracomment>msi_finish</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <extracomment>msi_install</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>msi_remove</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;pair</source>
        <extracomment>msi_repair</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <extracomment>msi_change</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <extracomment>msi_retry</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <extracomment>msi_ignore</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>msi_yes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>msi_no</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <extracomment>msi_folder_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <extracomment>msi_folder_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <extracomment>msi_folder_label</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <extracomment>msi_browse_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <extracomment>msi_browse_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <extracomment>msi_browse_look_in</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <extracomment>msi_browse_folder_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new folder</source>
        <extracomment>msi_browse_new_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <extracomment>msi_ready_install_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <extracomment>msi_ready_install_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <extracomment>msi_ready_repair_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <extracomment>msi_ready_repair_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <extracomment>msi_ready_remove_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <extracomment>msi_ready_remove_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <extracomment>msi_maintenance_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <extracomment>msi_maintenance_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <extracomment>msi_repair_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <extracomment>msi_remove_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <extracomment>msi_progress_installing_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <extracomment>msi_progress_installing_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <extracomment>msi_progress_repairing_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <extracomment>msi_progress_repairing_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <extracomment>msi_progress_removing_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <extracomment>msi_progress_removing_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <extracomment>msi_progress_status</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <extracomment>msi_exit_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <extracomment>msi_exit_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <extracomment>msi_exit_launch</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <extracomment>msi_fatal_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <extracomment>msi_fatal_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard was interrupted</source>
        <extracomment>msi_user_exit_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <extracomment>msi_user_exit_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <extracomment>msi_cancel_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in Use</source>
        <extracomment>msi_files_in_use_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <extracomment>msi_files_in_use_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and click [\[]Retry[\]] to continue, or click Exit to exit the installation.</source>
        <extracomment>msi_files_in_use_text</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <extracomment>msi_restart_manager_close</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <extracomment>msi_restart_manager_no_close</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <extracomment>msi_disk_cost_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <extracomment>msi_disk_cost_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <extracomment>msi_out_of_disk</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highlighted volumes (if any) do not have enough disk space available for the currently selected features. You can either remove some files from the highlighted volumes, or choose to install fewer features onto local drives.</source>
        <extracomment>msi_out_of_disk_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup is restoring your system to its previous state.</source>
        <extracomment>msi_rollback_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolling back [ProductName]</source>
        <extracomment>msi_rollback_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need administrator rights on this computer to install [ProductName].</source>
        <extracomment>msi_admin_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed.</source>
        <extracomment>msi_newer_installed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ProductName] requires Windows 7 Service Pack 1 or later.</source>
        <extracomment>msi_os_not_supported</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This package of [ProductName] can only be installed on a 64-bit version of Windows.</source>
        <extracomment>msi_64bit_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hollowmere is installed on this computer. Setup will replace it with [ProductName] and keep your sync settings.</source>
        <extracomment>msi_legacy_installed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing Hollowmere...</source>
        <extracomment>msi_legacy_removing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a desktop shortcut</source>
        <extracomment>msi_create_desktop_shortcut</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start [ProductName] when I sign in to Windows</source>
        <extracomment>msi_start_at_login</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the File Explorer integration</source>
        <extracomment>msi_shell_extension</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping the [ProductName] service...</source>
        <extracomment>msi_stopping_service</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registering the File Explorer extension...</source>
        <extracomment>msi_registering_extension</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error [1].</source>
        <extracomment>msi_error_generic</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error writing to file: [1]. Verify that you have access to that directory.</source>
        <extracomment>msi_error_write_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <extracomment>msi_reboot_prompt</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ProductName] [\[]version [ProductVersion][\]]</source>
        <extracomment>msi_brand_text</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit Tarnwell Client? Your files will not be synced until you start it again.</source>
        <extracomment>msg_confirm_exit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to sign out? All sync tasks of this account will be removed from this computer.</source>
        <extracomment>msg_confirm_sign_out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this task? The files already synced will stay on this computer and on the server.</source>
        <extracomment>msg_confirm_delete_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the %1 selected tasks?</source>
        <extracomment>msg_confirm_delete_tasks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?</source>
        <extracomment>msg_confirm_unlink</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear the transfer history?</source>
        <extracomment>msg_confirm_clear_history</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring will replace the current version of %1. Continue?</source>
        <extracomment>msg_confirm_restore</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file named %1 already exists. Do you want to replace it?</source>
        <extracomment>msg_confirm_overwrite</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were deleted from your sync folder. Do you also want to delete them from the server?</source>
        <extracomment>msg_confirm_large_delete</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep them on the server</source>
        <extracomment>msg_keep_on_server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete them everywhere</source>
        <extracomment>msg_delete_everywhere</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <extracomment>msg_settings_saved</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new settings will take effect after Tarnwell Client restarts.</source>
        <extracomment>msg_settings_restart</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The display language will change the next time you start Tarnwell Client.</source>
        <extracomment>msg_language_changed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <extracomment>msg_link_copied</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logs have been exported to %1.</source>
        <extracomment>msg_log_exported</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting logs...</source>
        <extracomment>msg_exporting_logs</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <extracomment>msg_please_wait</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <extracomment>msg_loading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not created any tasks yet.</source>
        <extracomment>msg_no_tasks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matching items were found.</source>
        <extracomment>msg_no_results</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network connection. Tarnwell Client will reconnect automatically.</source>
        <extracomment>msg_no_network</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 has been restored.</source>
        <extracomment>msg_reconnected</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client %1 is available. You are using version %2.</source>
        <extracomment>msg_new_version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to install the update now?</source>
        <extracomment>msg_update_ask</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <extracomment>msg_update_downloading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when Tarnwell Client restarts.</source>
        <extracomment>msg_update_ready</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <extracomment>msg_latest_version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;notes&quot;&gt;What&apos;s new in this version&lt;/a&gt;</source>
        <extracomment>msg_release_notes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This task is paused.</source>
        <extracomment>msg_task_paused</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All tasks are paused.</source>
        <extracomment>msg_all_paused</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing will resume in %1.</source>
        <extracomment>msg_pause_for</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This task needs to compare all of its files again. This may take a while.</source>
        <extracomment>msg_resync_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client is comparing the files on this computer and on the server for the first time.</source>
        <extracomment>msg_first_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <extracomment>msg_indexing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning complete.</source>
        <extracomment>msg_scan_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync complete.</source>
        <extracomment>msg_sync_complete</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files could not be synced. &lt;a href=&quot;history&quot;&gt;View details&lt;/a&gt;</source>
        <extracomment>msg_some_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were skipped.</source>
        <extracomment>msg_files_skipped</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conflict was resolved by keeping both copies.</source>
        <extracomment>msg_conflict_resolved</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hollowmere is still installed. Running both programs on the same folders may cause conflicts.</source>
        <extracomment>msg_legacy_detected</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We recommend uninstalling Hollowmere now that your tasks have been moved to Tarnwell Client.</source>
        <extracomment>msg_legacy_uninstall</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Hollowmere data has been moved to Tarnwell Client.</source>
        <extracomment>msg_legacy_migrated</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer is no longer linked to your account. Please sign in again.</source>
        <extracomment>msg_relink_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password was changed. Please sign in with the new password.</source>
        <extracomment>msg_password_changed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An administrator has removed this computer from your account.</source>
        <extracomment>msg_admin_removed_device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An administrator has requested that the synced data be removed from this computer.</source>
        <extracomment>msg_remote_wipe</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your disk is almost full. Syncing will stop when less than %1 is left.</source>
        <extracomment>msg_disk_space_low</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have unsaved changes. Do you want to save them before closing?</source>
        <extracomment>msg_unsaved_changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <extracomment>msg_invalid_email</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field is required.</source>
        <extracomment>msg_field_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <extracomment>msg_feedback_sent</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied.</source>
        <extracomment>msg_copy_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to share this item.</source>
        <extracomment>msg_no_permission_share</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page will open in your web browser.</source>
        <extracomment>msg_open_in_browser</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the problem persists, please contact &lt;a href=&quot;https://www.tarnwell.com/support&quot;&gt;Tarnwell Support&lt;/a&gt;.</source>
        <extracomment>msg_support_contact</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client tray icon</source>
        <extracomment>accessible_tray_icon</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client main window</source>
        <extracomment>accessible_main_window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window</source>
        <extracomment>accessible_close_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize window</source>
        <extracomment>accessible_minimize_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize window</source>
        <extracomment>accessible_maximize_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore window size</source>
        <extracomment>accessible_restore_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open menu</source>
        <extracomment>accessible_menu_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More options</source>
        <extracomment>accessible_more_options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <extracomment>accessible_back_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>accessible_refresh_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>accessible_search_box</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear search text</source>
        <extracomment>accessible_clear_search</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task list</source>
        <extracomment>accessible_task_list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <extracomment>accessible_task_item</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File list</source>
        <extracomment>accessible_file_list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder tree</source>
        <extracomment>accessible_folder_tree</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer history list</source>
        <extracomment>accessible_history_list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync progress</source>
        <extracomment>accessible_progress_bar</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>accessible_pause_button quick_pause</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>accessible_resume_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add task</source>
        <extracomment>accessible_add_task_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove task</source>
        <extracomment>accessible_remove_task_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit task</source>
        <extracomment>accessible_edit_task_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open settings</source>
        <extracomment>accessible_settings_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open help</source>
        <extracomment>accessible_help_button</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account picture</source>
        <extracomment>accessible_account_avatar</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage usage</source>
        <extracomment>accessible_storage_meter</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address</source>
        <extracomment>accessible_server_field</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <extracomment>accessible_username_field</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show password</source>
        <extracomment>accessible_show_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide password</source>
        <extracomment>accessible_hide_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <extracomment>accessible_folder_checkbox</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand folder</source>
        <extracomment>accessible_expand_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapse folder</source>
        <extracomment>accessible_collapse_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status icon</source>
        <extracomment>accessible_status_icon</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>accessible_notification_panel manage_notifications notification_title tray_notifications</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <extracomment>accessible_dismiss_notification</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page indicator</source>
        <extracomment>accessible_page_indicator</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <extracomment>accessible_previous_page</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <extracomment>accessible_next_page</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>accessible_time_picker col_time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days of the week</source>
        <extracomment>accessible_weekday_picker</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled Backup</source>
        <extracomment>schedulebkp_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable scheduled backup</source>
        <extracomment>schedulebkp_enable</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the selected folders automatically at the times you choose.</source>
        <extracomment>schedulebkp_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>schedulebkp_frequency</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every hour</source>
        <extracomment>schedulebkp_hourly</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>schedulebkp_daily</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <extracomment>schedulebkp_weekly</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <extracomment>schedulebkp_monthly</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <extracomment>schedulebkp_every_n_hours</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <extracomment>schedulebkp_start_time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run on</source>
        <extracomment>schedulebkp_run_on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of the month</source>
        <extracomment>schedulebkp_day_of_month</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <extracomment>schedulebkp_last_day_of_month</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <extracomment>schedulebkp_sunday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <extracomment>schedulebkp_monday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <extracomment>schedulebkp_tuesday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <extracomment>schedulebkp_wednesday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <extracomment>schedulebkp_thursday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <extracomment>schedulebkp_friday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <extracomment>schedulebkp_saturday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one day.</source>
        <extracomment>schedulebkp_select_day</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next backup:</source>
        <extracomment>schedulebkp_next_run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last backup:</source>
        <extracomment>schedulebkp_last_run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not run yet</source>
        <extracomment>schedulebkp_never_run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run missed backups when the computer starts</source>
        <extracomment>schedulebkp_missed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t back up when the computer runs on battery</source>
        <extracomment>schedulebkp_on_battery</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t back up over metered connections</source>
        <extracomment>schedulebkp_metered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake the computer to run the backup</source>
        <extracomment>schedulebkp_wake</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the backup if it runs longer than</source>
        <extracomment>schedulebkp_max_duration</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No limit</source>
        <extracomment>schedulebkp_no_limit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled backup in progress</source>
        <extracomment>schedulebkp_running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scheduled backup was skipped because the previous backup was still running.</source>
        <extracomment>schedulebkp_skipped_busy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scheduled backup was skipped because the server could not be reached.</source>
        <extracomment>schedulebkp_skipped_offline</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scheduled backup of %1 finished.</source>
        <extracomment>schedulebkp_completed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scheduled backup of %1 failed.</source>
        <extracomment>schedulebkp_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version retention</source>
        <extracomment>schedulebkp_retention</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <extracomment>schedulebkp_keep_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <extracomment>schedulebkp_keep_latest</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart recycle: keep hourly versions for a day, daily versions for a month and weekly versions after that</source>
        <extracomment>schedulebkp_smart_recycle</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <extracomment>schedulebkp_invalid_time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs %1 at %2</source>
        <extracomment>schedulebkp_summary</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer History</source>
        <extracomment>history_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>history_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded</source>
        <extracomment>history_uploaded</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded</source>
        <extracomment>history_downloaded</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted on this computer</source>
        <extracomment>history_deleted_local</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted on the server</source>
        <extracomment>history_deleted_remote</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>history_renamed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved</source>
        <extracomment>history_moved</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder created</source>
        <extracomment>history_created_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict</source>
        <extracomment>history_conflict</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>history_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped</source>
        <extracomment>history_skipped</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored</source>
        <extracomment>history_restored</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed up</source>
        <extracomment>history_backed_up</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>history_in_progress</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>history_queued status_waiting</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just now</source>
        <extracomment>history_just_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <extracomment>history_minutes_ago</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <extracomment>history_hours_ago</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>history_yesterday</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>history_today</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>history_earlier</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no transfer history yet.</source>
        <extracomment>history_empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear History</source>
        <extracomment>history_clear</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export History</source>
        <extracomment>history_export</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>history_export_csv</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <extracomment>history_open_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File Location</source>
        <extracomment>history_open_location</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View on the Web</source>
        <extracomment>history_view_online</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry Failed Items</source>
        <extracomment>history_retry_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show errors only</source>
        <extracomment>history_show_errors_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the history for</source>
        <extracomment>history_keep_days</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task:</source>
        <extracomment>history_filter_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action:</source>
        <extracomment>history_filter_action</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period:</source>
        <extracomment>history_filter_period</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <extracomment>history_reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file no longer exists on this computer.</source>
        <extracomment>history_file_gone</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <extracomment>history_items_count</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client Settings</source>
        <extracomment>manage_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>manage_general</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Tasks</source>
        <extracomment>manage_tasks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Tasks</source>
        <extracomment>manage_backup</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>manage_account connection_account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>manage_network</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>manage_advanced</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>manage_about about_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Tarnwell Client when I sign in</source>
        <extracomment>manage_start_on_login</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the icon in the notification area</source>
        <extracomment>manage_show_tray_icon</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display language</source>
        <extracomment>manage_language</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as the system</source>
        <extracomment>manage_language_system</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <extracomment>manage_check_updates</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Now</source>
        <extracomment>manage_check_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload rate</source>
        <extracomment>manage_upload_limit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download rate</source>
        <extracomment>manage_download_limit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t limit</source>
        <extracomment>manage_no_limit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit to</source>
        <extracomment>manage_limit_to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>manage_proxy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>manage_proxy_none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>manage_proxy_system</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>manage_proxy_manual</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <extracomment>manage_proxy_needs_auth</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <extracomment>manage_signed_in_as</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer name</source>
        <extracomment>manage_device_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlink This Computer</source>
        <extracomment>manage_unlink_device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <extracomment>manage_blacklist</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t sync files larger than</source>
        <extracomment>manage_max_file_size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync hidden files</source>
        <extracomment>manage_sync_hidden</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <extracomment>manage_sync_temp</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log level</source>
        <extracomment>manage_log_level</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>manage_open_log_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <extracomment>manage_version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 Tarnwell. All rights reserved.</source>
        <extracomment>manage_copyright</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;licenses&quot;&gt;Third-party software licenses&lt;/a&gt;</source>
        <extracomment>manage_third_party</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the installation...</source>
        <extracomment>desc_hollowmere_env_checking_tarnwell</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be prepared. Please reinstall it.</source>
        <extracomment>desc_hollowmere_env_preparation_failed_tarnwell</extracomment>
        <translation>A(z) %1 előkészítése nem sikerült. Telepítse újra.</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <extracomment>desc_hollowmere_env_preparation_done_tarnwell</extracomment>
        <translation>%1 kész.</translation>
    </message>
    <message>
        <source>Tarnwell Client Installer</source>
        <extracomment>setup_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing Tarnwell Client...</source>
        <extracomment>setup_installing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <extracomment>setup_extracting</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client has been installed.</source>
        <extracomment>setup_install_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installation failed. See the installer log for details.</source>
        <extracomment>setup_install_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove Tarnwell Client from this computer? Your synced files will not be deleted.</source>
        <extracomment>setup_uninstall_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing Tarnwell Client...</source>
        <extracomment>setup_uninstalling</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client has been removed.</source>
        <extracomment>setup_uninstall_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client is running. It will be closed to continue the installation.</source>
        <extracomment>setup_close_running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell us why you removed Tarnwell Client: &lt;a href=&quot;https://www.tarnwell.com/survey&quot;&gt;take a short survey&lt;/a&gt;</source>
        <extracomment>setup_uninstall_survey</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating Tarnwell Client</source>
        <extracomment>upgrade_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping a copy of the previous version...</source>
        <extracomment>upgrade_keep_previous</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying the new version...</source>
        <extracomment>upgrade_copying</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Tarnwell Client to finish the update.</source>
        <extracomment>upgrade_restart_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <extracomment>desc_hollowmere_env_preparing_tarnwell</extracomment>
        <translation>%1 inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>Updating to the new version...</source>
        <extracomment>desc_hollowmere_env_upgrading_tarnwell</extracomment>
        <translation>Frissítés az új verzióra...</translation>
    </message>
    <message>
        <source>The update could not be completed. The previous version has been restored.</source>
        <extracomment>desc_hollowmere_env_rollback_tarnwell</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving your Hollowmere data...</source>
        <extracomment>desc_hollowmere_data_migrating_tarnwell</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Hollowmere data has been moved.</source>
        <extracomment>desc_hollowmere_data_migrated_tarnwell</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing files that are no longer needed...</source>
        <extracomment>desc_hollowmere_env_cleaning_tarnwell</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restarting...</source>
        <extracomment>desc_hollowmere_env_restarting_tarnwell</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <extracomment>bkp_create_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Backup Task</source>
        <extracomment>bkp_edit_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task name</source>
        <extracomment>bkp_task_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Backup</source>
        <extracomment>bkp_default_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <extracomment>bkp_source</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>bkp_destination</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Source Folder</source>
        <extracomment>bkp_add_source</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <extracomment>bkp_desktop</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <extracomment>bkp_documents</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>bkp_pictures</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>bkp_music</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <extracomment>bkp_videos</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>bkp_downloads</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup mode</source>
        <extracomment>bkp_mode</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous backup</source>
        <extracomment>bkp_mode_continuous</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled backup</source>
        <extracomment>bkp_mode_scheduled</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual backup</source>
        <extracomment>bkp_mode_manual</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <extracomment>bkp_back_up_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <extracomment>bkp_stop</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Files</source>
        <extracomment>bkp_restore</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the next backup</source>
        <extracomment>bkp_state_idle</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up</source>
        <extracomment>bkp_state_running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup completed</source>
        <extracomment>bkp_state_completed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partially completed</source>
        <extracomment>bkp_state_partial</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed</source>
        <extracomment>bkp_state_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <extracomment>bkp_state_cancelled</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files backed up</source>
        <extracomment>bkp_progress</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is already part of another source.</source>
        <extracomment>bkp_source_overlap</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one source folder.</source>
        <extracomment>bkp_source_empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination folder already contains a backup of another computer. Do you want to continue the existing backup?</source>
        <extracomment>bkp_dest_exists</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this backup task? The backed-up data on the server will not be deleted.</source>
        <extracomment>bkp_delete_task_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>file_name col_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>file_size col_size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>file_modified</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>file_type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <extracomment>file_location</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <extracomment>file_owner perm_owner</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>file_type_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>file_type_document</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <extracomment>file_type_spreadsheet</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation</source>
        <extracomment>file_type_presentation</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>file_type_image</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>file_type_video</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>file_type_audio</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>file_type_archive</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document</source>
        <extracomment>file_type_pdf</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>file_type_other</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <extracomment>file_size_bytes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>file_size_kb</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>file_size_mb</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>file_size_gb</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB</source>
        <extracomment>file_size_tb</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <extracomment>file_versions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version</source>
        <extracomment>file_version_current</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available online only</source>
        <extracomment>file_online_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always keep on this device</source>
        <extracomment>file_always_keep</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free up space</source>
        <extracomment>file_free_space</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the file so that it can be opened...</source>
        <extracomment>file_placeholder_opening</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open With</source>
        <extracomment>file_open_with</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>file_properties</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get to know Tarnwell Client</source>
        <extracomment>tutorial_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the tour</source>
        <extracomment>tutorial_skip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the tour</source>
        <extracomment>tutorial_start</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got it</source>
        <extracomment>tutorial_got_it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <extracomment>tutorial_dont_show_again</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Tarnwell in the notification area</source>
        <extracomment>tutorial_tray_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the cloud icon to see what is syncing, pause syncing or open your settings.</source>
        <extracomment>tutorial_tray_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tarnwell folder</source>
        <extracomment>tutorial_folder_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files you put in this folder are uploaded to your server and appear on all your other devices.</source>
        <extracomment>tutorial_folder_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the icons mean</source>
        <extracomment>tutorial_icons_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A green check mark means the file is up to date.</source>
        <extracomment>tutorial_icon_synced</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two blue arrows mean the file is syncing.</source>
        <extracomment>tutorial_icon_syncing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A red cross means the file could not be synced.</source>
        <extracomment>tutorial_icon_error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cloud means the file is available online only and downloads when you open it.</source>
        <extracomment>tutorial_icon_online_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share with a link</source>
        <extracomment>tutorial_share_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click a file in your Tarnwell folder and choose Copy Sharing Link to send it to anyone.</source>
        <extracomment>tutorial_share_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back in time</source>
        <extracomment>tutorial_versions_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrote a file by mistake? Right-click it and browse its previous versions.</source>
        <extracomment>tutorial_versions_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect your important folders</source>
        <extracomment>tutorial_backup_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a backup task to copy your desktop, documents and pictures to the server on a schedule.</source>
        <extracomment>tutorial_backup_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save space on this computer</source>
        <extracomment>tutorial_selective_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose which server folders are synced to this computer in the task settings.</source>
        <extracomment>tutorial_selective_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take your files with you</source>
        <extracomment>tutorial_mobile_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the Tarnwell app on your phone to reach your files anywhere. &lt;a href=&quot;mobile&quot;&gt;Get the app&lt;/a&gt;</source>
        <extracomment>tutorial_mobile_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need more help? Visit the &lt;a href=&quot;https://help.tarnwell.com&quot;&gt;Help Center&lt;/a&gt;.</source>
        <extracomment>tutorial_help_link</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re ready to go</source>
        <extracomment>tutorial_done_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can take this tour again at any time from the Help menu.</source>
        <extracomment>tutorial_done_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Explorer</source>
        <extracomment>backup_explorer_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a backup version</source>
        <extracomment>backup_select_version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed up on %1</source>
        <extracomment>backup_version_time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest</source>
        <extracomment>backup_latest</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore to the original location</source>
        <extracomment>backup_restore_to_original</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore to another folder</source>
        <extracomment>backup_restore_to_other</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <extracomment>backup_restore_overwrite</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <extracomment>backup_restore_skip_existing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both files</source>
        <extracomment>backup_restore_keep_both</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring files...</source>
        <extracomment>backup_restoring</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <extracomment>backup_restore_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files could not be restored.</source>
        <extracomment>backup_restore_partial</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>backup_preview</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>backup_download op_download</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup versions were found for this task.</source>
        <extracomment>backup_no_versions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Backup Integrity</source>
        <extracomment>backup_integrity_check</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <extracomment>backup_integrity_ok</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some backed-up data is damaged. Run the backup again to repair it.</source>
        <extracomment>backup_integrity_damaged</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt the backup data on the server</source>
        <extracomment>backup_encryption</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption password</source>
        <extracomment>backup_encryption_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm password</source>
        <extracomment>backup_encryption_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you forget this password, nobody can recover your backed-up data.</source>
        <extracomment>backup_encryption_warning</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <extracomment>backup_password_mismatch</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress data before uploading</source>
        <extracomment>backup_compress</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip system and temporary files</source>
        <extracomment>backup_exclude_system</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total size: %1</source>
        <extracomment>backup_total_size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed up from</source>
        <extracomment>backup_computer_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re all caught up.</source>
        <extracomment>notification_none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All as Read</source>
        <extracomment>notification_mark_all_read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <extracomment>notification_show_desktop</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a sound</source>
        <extracomment>notification_sound</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When syncing is complete</source>
        <extracomment>notification_on_sync_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When files are added by others</source>
        <extracomment>notification_on_new_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When someone shares a folder with me</source>
        <extracomment>notification_on_shared</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a file cannot be synced</source>
        <extracomment>notification_on_errors</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a backup finishes</source>
        <extracomment>notification_on_backup</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When my storage is almost full</source>
        <extracomment>notification_on_quota</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not disturb during these hours</source>
        <extracomment>notification_quiet_hours</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shared %2 with you.</source>
        <extracomment>notification_shared_with_you</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new files were added to %2.</source>
        <extracomment>notification_files_added</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 edited %2.</source>
        <extracomment>notification_file_edited</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have used %1% of your storage.</source>
        <extracomment>notification_quota_warning</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files could not be synced.</source>
        <extracomment>notification_sync_errors</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your backup has finished.</source>
        <extracomment>notification_backup_done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your backup could not be completed.</source>
        <extracomment>notification_backup_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of Tarnwell Client is available.</source>
        <extracomment>notification_update_available</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <extracomment>notification_signed_out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are offline. Changes will sync when you reconnect.</source>
        <extracomment>notification_offline</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are back online.</source>
        <extracomment>notification_back_online</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <extracomment>notification_view</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>notification_dismiss</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me later</source>
        <extracomment>notification_snooze</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An announcement from your administrator: &lt;a href=&quot;announcement&quot;&gt;read more&lt;/a&gt;</source>
        <extracomment>notification_announcement</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>title_error status_error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>title_warning</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <extracomment>title_information</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>title_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>title_settings main_tab_settings</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Task</source>
        <extracomment>title_create_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Task</source>
        <extracomment>title_edit_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Details</source>
        <extracomment>title_task_details</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <extracomment>title_select_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Server Folder</source>
        <extracomment>title_select_remote_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <extracomment>title_selective_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolve Conflict</source>
        <extracomment>title_conflict</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>title_share</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing Link</source>
        <extracomment>title_sharing_link</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version History</source>
        <extracomment>title_versions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <extracomment>title_feedback</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Update</source>
        <extracomment>title_update</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <extracomment>title_proxy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate</source>
        <extracomment>title_certificate</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <extracomment>title_properties</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving from Hollowmere</source>
        <extracomment>title_migration</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <extracomment>main_tab_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>main_tab_backup</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>main_tab_history</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>main_create</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Task</source>
        <extracomment>main_create_sync_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Task</source>
        <extracomment>main_create_backup_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause All</source>
        <extracomment>main_pause_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume All</source>
        <extracomment>main_resume_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connections</source>
        <extracomment>main_connections</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Connection</source>
        <extracomment>main_add_connection</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current connection</source>
        <extracomment>main_current_connection</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search tasks</source>
        <extracomment>main_search_placeholder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <extracomment>main_empty_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a task to start syncing or backing up your files.</source>
        <extracomment>main_empty_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall status</source>
        <extracomment>main_overall_status</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <extracomment>main_last_synced</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Log</source>
        <extracomment>main_view_log</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Tarnwell Client</source>
        <extracomment>main_quit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions</source>
        <extracomment>perm_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full control</source>
        <extracomment>perm_full_control</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read and write</source>
        <extracomment>perm_read_write</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read only</source>
        <extracomment>perm_read_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No access</source>
        <extracomment>perm_no_access</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview only</source>
        <extracomment>perm_preview_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload only</source>
        <extracomment>perm_upload_only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can edit</source>
        <extracomment>perm_can_edit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can view</source>
        <extracomment>perm_can_view</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can comment</source>
        <extracomment>perm_can_comment</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can download</source>
        <extracomment>perm_can_download</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can share</source>
        <extracomment>perm_can_share</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can delete</source>
        <extracomment>perm_can_delete</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inherited from the parent folder</source>
        <extracomment>perm_inherited</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>perm_custom common_custom</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have permission to change the permissions of this item.</source>
        <extracomment>perm_denied_tip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing</source>
        <extracomment>status_syncing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>status_preparing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>status_scanning</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>status_uploading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>status_downloading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>status_paused</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>status_offline</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <extracomment>status_connecting</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>status_disconnected</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>status_stopped</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files left</source>
        <extracomment>status_files_left</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>status_speed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell</source>
        <extracomment>context_menu_root app_name_tarnwell</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <extracomment>context_copy_link</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share...</source>
        <extracomment>context_share</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View on Web</source>
        <extracomment>context_view_online</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse Previous Versions</source>
        <extracomment>context_previous_versions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <extracomment>context_always_keep</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <extracomment>context_free_space</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <extracomment>context_sync_now sync_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Sync This Folder</source>
        <extracomment>context_exclude</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <extracomment>context_include</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <extracomment>context_back_up_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock File for Editing</source>
        <extracomment>context_lock_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock File</source>
        <extracomment>context_unlock_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Filter</source>
        <extracomment>filter_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <extracomment>filter_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By file extension</source>
        <extracomment>filter_by_extension</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By file name</source>
        <extracomment>filter_by_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By file size</source>
        <extracomment>filter_by_size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an extension, for example .tmp</source>
        <extracomment>filter_add_extension</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a file name, for example Thumbs.db</source>
        <extracomment>filter_add_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcards are supported: * matches any characters and ? matches one character.</source>
        <extracomment>filter_wildcard_tip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <extracomment>filter_duplicate</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rule is not valid.</source>
        <extracomment>filter_invalid_rule</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <extracomment>filter_restore_defaults</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply these rules to all tasks</source>
        <extracomment>filter_applies_all_tasks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected sessions</source>
        <extracomment>session_list_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer</source>
        <extracomment>session_this_device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in on %1</source>
        <extracomment>session_signed_in_on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last active</source>
        <extracomment>session_last_active</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address</source>
        <extracomment>session_ip_address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Session</source>
        <extracomment>session_remove</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this session? The device will have to sign in again.</source>
        <extracomment>session_remove_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session expired</source>
        <extracomment>session_expired_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In Again</source>
        <extracomment>session_renew</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep me signed in</source>
        <extracomment>session_keep_alive</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session was ended from another device.</source>
        <extracomment>session_revoked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Account</source>
        <extracomment>session_switch_account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <extracomment>month_january</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <extracomment>month_february</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <extracomment>month_march</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <extracomment>month_april</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>month_may</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <extracomment>month_june</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <extracomment>month_july</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <extracomment>month_august</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <extracomment>month_september</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <extracomment>month_october</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <extracomment>month_november</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <extracomment>month_december</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync mode</source>
        <extracomment>setting_sync_mode</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync file permissions</source>
        <extracomment>setting_sync_permissions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the modification times of files</source>
        <extracomment>setting_sync_timestamps</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run a full consistency check every day</source>
        <extracomment>setting_consistency_check</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a file was changed on both sides</source>
        <extracomment>setting_conflict_policy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both copies</source>
        <extracomment>setting_keep_both</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the local copy</source>
        <extracomment>setting_prefer_local</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the server copy</source>
        <extracomment>setting_prefer_remote</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename conflicting files with the computer name</source>
        <extracomment>setting_rename_conflicts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move files deleted by syncing to the trash</source>
        <extracomment>setting_recycle_bin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan for changes every</source>
        <extracomment>setting_scan_interval</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset All Settings</source>
        <extracomment>setting_reset</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>connection_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>connection_server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection status</source>
        <extracomment>connection_status</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>connection_connected</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <extracomment>connection_via_relay</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct connection</source>
        <extracomment>connection_direct</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection is encrypted.</source>
        <extracomment>connection_secure</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection is not encrypted.</source>
        <extracomment>connection_insecure</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Connection</source>
        <extracomment>connection_remove</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the connection to %1 and all of its tasks?</source>
        <extracomment>connection_remove_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Tarnwell Client</source>
        <extracomment>fti_welcome</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome back, %1!</source>
        <extracomment>fti_welcome_back</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to start syncing your files.</source>
        <extracomment>fti_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I already have an account</source>
        <extracomment>fti_existing_account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t have an account? Ask your administrator to create one.</source>
        <extracomment>fti_no_account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your language</source>
        <extracomment>fti_choose_language</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Started</source>
        <extracomment>fti_get_started</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here are a few tips to get you started.</source>
        <extracomment>fti_tips</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Hollowmere before? Your settings can be imported in the next step.</source>
        <extracomment>fti_legacy_hint</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <extracomment>quick_actions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <extracomment>quick_open_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share a file</source>
        <extracomment>quick_share</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New task</source>
        <extracomment>quick_new_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <extracomment>create_folder folder_new</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder name</source>
        <extracomment>create_folder_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be created.</source>
        <extracomment>create_folder_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder with this name already exists.</source>
        <extracomment>create_folder_exists</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version information</source>
        <extracomment>about_version_info</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tarnwell.com&quot;&gt;Visit our website&lt;/a&gt;</source>
        <extracomment>about_visit_website</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client</source>
        <extracomment>app_name_tarnwell_client</extracomment>
        <translation>Tarnwell kliens</translation>
    </message>
    <message>
        <source>Hollowmere</source>
        <extracomment>app_name_hollowmere</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync and back up your files with your Tarnwell server</source>
        <extracomment>app_description</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>www.tarnwell.com</source>
        <extracomment>app_website</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer. Unchecked folders are removed from this computer but stay on the server.</source>
        <extracomment>selective_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync all folders</source>
        <extracomment>selective_select_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <extracomment>selective_new_folders</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <extracomment>selective_loading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>selective_size_selected</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unchecked folders will be removed from this computer. Continue?</source>
        <extracomment>selective_remove_warning</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Types</source>
        <extracomment>selective_file_types</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum File Size</source>
        <extracomment>selective_max_size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder has no subfolders.</source>
        <extracomment>selective_no_subfolders</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>col_status</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Path</source>
        <extracomment>col_local_path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Path</source>
        <extracomment>col_remote_path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>col_action</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <extracomment>col_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>col_progress</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified By</source>
        <extracomment>col_modified_by</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 30 minutes</source>
        <extracomment>tray_pause_30_min</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 1 hour</source>
        <extracomment>tray_pause_1_hour</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <extracomment>tray_pause_until_tomorrow</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until I resume</source>
        <extracomment>tray_pause_indefinitely</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <extracomment>tray_send_feedback</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <extracomment>tray_check_updates</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with Me</source>
        <extracomment>tray_shared_with_me folder_shared_with_me</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your storage is almost full.</source>
        <extracomment>tray_balloon_quota</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing is still paused.</source>
        <extracomment>tray_balloon_paused_reminder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwell Client - %1</source>
        <extracomment>tray_tooltip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share with people</source>
        <extracomment>share_with_people</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add people or groups</source>
        <extracomment>share_add_people</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone with the link</source>
        <extracomment>share_link_anyone</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only people in your organization</source>
        <extracomment>share_link_internal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link expires on</source>
        <extracomment>share_link_expires</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <extracomment>share_link_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send by Email</source>
        <extracomment>share_link_email</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sharing link for “%1” was created.</source>
        <extracomment>share_link_created</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared</source>
        <extracomment>sharing_status_shared</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private</source>
        <extracomment>sharing_status_private</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <extracomment>sharing_stop</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop sharing this item? People with the link will no longer be able to open it.</source>
        <extracomment>sharing_stop_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your administrator has turned off sharing.</source>
        <extracomment>sharing_disabled_by_admin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <extracomment>sharing_link_expired</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <extracomment>sharing_access_count</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Sharing Links</source>
        <extracomment>sharing_manage_links</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable sync</source>
        <extracomment>enable_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable notifications</source>
        <extracomment>enable_notifications</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable file manager integration</source>
        <extracomment>enable_shell_integration</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable sync on demand</source>
        <extracomment>enable_ondemand</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <extracomment>enable_debug_log</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable LAN sync</source>
        <extracomment>enable_lan_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <extracomment>time_second</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>time_seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <extracomment>time_minute</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>time_minutes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hour</source>
        <extracomment>time_hour</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <extracomment>time_hours</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>time_day</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>time_days</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <extracomment>timescale_last_day</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <extracomment>timescale_last_week</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <extracomment>timescale_last_month</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last year</source>
        <extracomment>timescale_last_year</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <extracomment>timescale_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom range</source>
        <extracomment>timescale_custom</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Task</source>
        <extracomment>remove_task</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also remove the synced files from this computer</source>
        <extracomment>remove_local_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Account</source>
        <extracomment>remove_account</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from List</source>
        <extracomment>remove_from_list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <extracomment>open_sync_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <extracomment>open_web_portal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is set up to open this file.</source>
        <extracomment>open_file_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <extracomment>open_containing_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings</source>
        <extracomment>open_settings</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file was changed in two places</source>
        <extracomment>conflict_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy on this computer and the copy on the server were both changed since the last sync.</source>
        <extracomment>conflict_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the copy on this computer</source>
        <extracomment>conflict_keep_local</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the copy on the server</source>
        <extracomment>conflict_keep_remote</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both</source>
        <extracomment>conflict_keep_both</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <extracomment>conflict_apply_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (conflicted copy from %2)</source>
        <extracomment>conflict_file_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <extracomment>op_upload</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>op_rename rename_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>op_move</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost</source>
        <extracomment>conn_lost</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrying in %1 seconds...</source>
        <extracomment>conn_retrying</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect Now</source>
        <extracomment>conn_reconnect_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Connection</source>
        <extracomment>conn_test</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection test succeeded.</source>
        <extracomment>conn_test_ok</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection test failed.</source>
        <extracomment>conn_test_failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>folder_home</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Folders</source>
        <extracomment>folder_team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>folder_recycle_bin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <extracomment>folder_empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused by you</source>
        <extracomment>sync_paused_by_user</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused to save battery</source>
        <extracomment>sync_paused_battery</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused on a metered network</source>
        <extracomment>sync_paused_metered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files are downloaded only when you open them.</source>
        <extracomment>sync_ondemand_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescan All Files</source>
        <extracomment>sync_full_rescan</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by</source>
        <extracomment>shared_by</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared on</source>
        <extracomment>shared_on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with</source>
        <extracomment>shared_with</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared link</source>
        <extracomment>shared_link</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You no longer have access to the shared folder “%1”.</source>
        <extracomment>shared_folder_left</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>common_unknown</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>common_none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>common_on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>common_off</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>common_default</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server address is not valid.</source>
        <extracomment>invalid_server_address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port must be a number between 1 and 65535.</source>
        <extracomment>invalid_port</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder names cannot contain any of these characters: / : * ? &quot; |</source>
        <extracomment>invalid_folder_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start date must be before the end date.</source>
        <extracomment>invalid_date_range</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The email address is not valid.</source>
        <extracomment>invalid_email</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <extracomment>adv_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simultaneous uploads</source>
        <extracomment>adv_concurrent_uploads</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simultaneous downloads</source>
        <extracomment>adv_concurrent_downloads</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload chunk size</source>
        <extracomment>adv_chunk_size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t verify the server certificate (not recommended)</source>
        <extracomment>adv_ignore_ssl</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a custom port</source>
        <extracomment>adv_custom_port</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuild Sync Database</source>
        <extracomment>adv_reset_database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Logs</source>
        <extracomment>export_logs</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Settings</source>
        <extracomment>export_settings</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>export_destination</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include transfer history</source>
        <extracomment>export_include_history</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Information</source>
        <extracomment>account_info</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage Quota</source>
        <extracomment>account_quota</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I agree to the terms</source>
        <extracomment>agree_terms</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <extracomment>alert_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Tasks</source>
        <extracomment>all_tasks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <extracomment>apply_to_subfolders</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication method</source>
        <extracomment>auth_method</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with single sign-on</source>
        <extracomment>auth_sso</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start automatically</source>
        <extracomment>auto_start</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update automatically</source>
        <extracomment>auto_update</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <extracomment>bandwidth_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth schedule</source>
        <extracomment>bandwidth_schedule</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse Server</source>
        <extracomment>browse_server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache location</source>
        <extracomment>cache_location</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <extracomment>cache_clear</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password</source>
        <extracomment>change_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Folder</source>
        <extracomment>change_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>check_updates</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>clear_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client version</source>
        <extracomment>client_version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client ID</source>
        <extracomment>client_id</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep running in the notification area when the window is closed</source>
        <extracomment>close_to_tray</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud storage</source>
        <extracomment>cloud_storage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer name is already in use.</source>
        <extracomment>computer_name_in_use</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <extracomment>confirm_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <extracomment>confirm_delete</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Path</source>
        <extracomment>copy_path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <extracomment>copy_to_clipboard</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <extracomment>day_sun</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>day_mon</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <extracomment>day_tue</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <extracomment>day_wed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <extracomment>day_thu</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <extracomment>day_fri</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <extracomment>day_sat</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug information</source>
        <extracomment>debug_info</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collect Diagnostic Data</source>
        <extracomment>debug_collect</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default folder</source>
        <extracomment>default_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <extracomment>delete_permanently</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <extracomment>device_list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last seen</source>
        <extracomment>device_last_seen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ask me again</source>
        <extracomment>dialog_dont_ask</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off notifications for</source>
        <extracomment>disable_notifications_for</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk usage</source>
        <extracomment>disk_usage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>disk_free</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download location</source>
        <extracomment>download_location</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download speed</source>
        <extracomment>download_speed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive is not ready.</source>
        <extracomment>drive_not_ready</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Rule</source>
        <extracomment>edit_rule</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email address</source>
        <extracomment>email_address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Trash</source>
        <extracomment>empty_trash</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt files</source>
        <extracomment>encrypt_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Log</source>
        <extracomment>event_log</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Tarnwell Client?</source>
        <extracomment>exit_confirm_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed items</source>
        <extracomment>fail_count</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell us what you like or what we could do better.</source>
        <extracomment>feedback_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach logs to help us investigate</source>
        <extracomment>feedback_include_logs</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email (optional)</source>
        <extracomment>feedback_email</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;feedback-privacy&quot;&gt;How we use your feedback&lt;/a&gt;</source>
        <extracomment>feedback_privacy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General options</source>
        <extracomment>general_options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Web Portal</source>
        <extracomment>go_to_web</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Center</source>
        <extracomment>help_center</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Help</source>
        <extracomment>help_online</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Window</source>
        <extracomment>hide_window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag files here to upload them</source>
        <extracomment>hint_drag_drop</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host name</source>
        <extracomment>host_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored items</source>
        <extracomment>ignore_list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore This Error</source>
        <extracomment>ignore_this_error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Settings</source>
        <extracomment>import_settings</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>info_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation folder</source>
        <extracomment>install_path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install for all users</source>
        <extracomment>install_for_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color label</source>
        <extracomment>label_color</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>language_auto</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last sync time</source>
        <extracomment>last_sync_time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;learn&quot;&gt;Learn more&lt;/a&gt;</source>
        <extracomment>learn_more_link</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expiry date</source>
        <extracomment>link_expiry</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link password</source>
        <extracomment>link_password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List View</source>
        <extracomment>list_view</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail View</source>
        <extracomment>list_thumbnails</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local folder</source>
        <extracomment>local_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local changes</source>
        <extracomment>local_changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked by %1</source>
        <extracomment>lock_by</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors only</source>
        <extracomment>log_level_error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>log_level_info</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detailed</source>
        <extracomment>log_level_debug</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with a browser</source>
        <extracomment>login_with_browser</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the synced files after signing out</source>
        <extracomment>logout_keep_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-way</source>
        <extracomment>mode_two_way</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-way</source>
        <extracomment>mode_one_way</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Actions</source>
        <extracomment>more_actions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to…</source>
        <extracomment>move_to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Here</source>
        <extracomment>move_here</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name cannot be empty.</source>
        <extracomment>name_empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metered connection</source>
        <extracomment>network_metered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network type</source>
        <extracomment>network_type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version available</source>
        <extracomment>new_version_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next sync</source>
        <extracomment>next_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>password_show</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>password_hide</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path copied</source>
        <extracomment>path_copied</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause syncing for</source>
        <extracomment>pause_sync_for</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>port_number proxy_port</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;privacy&quot;&gt;Privacy Policy&lt;/a&gt;</source>
        <extracomment>privacy_policy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send anonymous usage data to help improve Tarnwell</source>
        <extracomment>privacy_usage_data</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall progress</source>
        <extracomment>progress_overall</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current file</source>
        <extracomment>progress_current_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP</source>
        <extracomment>proxy_http</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <extracomment>proxy_socks5</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>proxy_address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used</source>
        <extracomment>quota_used</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>quota_free</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits apply to all tasks together.</source>
        <extracomment>rate_limit_tip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <extracomment>recent_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <extracomment>reconnect_in_progress</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link this computer again</source>
        <extracomment>relink_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An item with that name already exists.</source>
        <extracomment>rename_exists</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair</source>
        <extracomment>repair_database</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <extracomment>report_problem</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Previous Version</source>
        <extracomment>restore_previous</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Deleted Files</source>
        <extracomment>restore_deleted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume all tasks</source>
        <extracomment>resume_all_tasks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry Now</source>
        <extracomment>retry_now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run in the background</source>
        <extracomment>run_in_background</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <extracomment>save_as</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <extracomment>save_changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanned %1 files</source>
        <extracomment>scan_progress</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Results</source>
        <extracomment>search_results</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No files match your search.</source>
        <extracomment>search_no_match</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder</source>
        <extracomment>select_folder_prompt</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select None</source>
        <extracomment>select_none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server version</source>
        <extracomment>server_version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock of this computer differs from the server clock by more than 10 minutes.</source>
        <extracomment>server_time_skew</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show hidden items</source>
        <extracomment>show_hidden</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show details</source>
        <extracomment>show_details</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with another account</source>
        <extracomment>sign_in_other</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown size</source>
        <extracomment>size_unknown</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip This File</source>
        <extracomment>skip_file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space required</source>
        <extracomment>space_required</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space available</source>
        <extracomment>space_available</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlimited</source>
        <extracomment>speed_unlimited</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify the SSL certificate</source>
        <extracomment>ssl_verify</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate Details</source>
        <extracomment>ssl_details</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start minimized</source>
        <extracomment>start_minimized</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <extracomment>stop_sync</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop syncing this folder?</source>
        <extracomment>stop_sync_confirm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage almost full</source>
        <extracomment>storage_almost_full</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>summary_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>summary_folders</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support ID</source>
        <extracomment>support_id</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your desktop has no notification area. Open Tarnwell Client from the application menu instead.</source>
        <extracomment>system_tray_unsupported</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task type</source>
        <extracomment>task_type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <extracomment>task_created</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team folder</source>
        <extracomment>team_folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders shared with everyone in your team.</source>
        <extracomment>team_folders_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <extracomment>tip_title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can pause syncing at any time from the tray menu.</source>
        <extracomment>tip_pause</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total files</source>
        <extracomment>total_files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trust this device</source>
        <extracomment>trust_device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB/s</source>
        <extracomment>unit_kbps</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB/s</source>
        <extracomment>unit_mbps</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlinking removes all tasks from this computer. The files stay where they are.</source>
        <extracomment>unlink_desc</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update channel</source>
        <extracomment>update_channel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stable</source>
        <extracomment>update_stable</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta</source>
        <extracomment>update_beta</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload to</source>
        <extracomment>upload_location</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload speed</source>
        <extracomment>upload_speed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <extracomment>user_name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <extracomment>user_group</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify your email address</source>
        <extracomment>verify_email</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified by</source>
        <extracomment>version_author</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 versions</source>
        <extracomment>version_count</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <extracomment>view_list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icons</source>
        <extracomment>view_icons</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your computer is running on battery power.</source>
        <extracomment>warn_battery</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every week</source>
        <extracomment>week_every</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <extracomment>week_every_two</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always on top</source>
        <extracomment>window_always_on_top</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to All</source>
        <extracomment>yes_to_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No to All</source>
        <extracomment>no_to_all</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading…</source>
        <extracomment>loading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>untitled</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep deleted files for</source>
        <extracomment>recycle_bin_retention</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online-only file</source>
        <extracomment>ondemand_placeholder</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
